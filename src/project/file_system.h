// The project file on disk. Only regular files are read or replaced: a FIFO, a device
// or a socket would hang the program or feed it endless bytes. A replacement never
// leaves a half-written project: the bytes go to a temporary file beside the real
// target, reach the disk, and then take the target's place.
#pragma once
#include <cstddef>
#include <string>

namespace project {

enum class ReadStatus {
    Ok,
    Unreadable,  // missing, not a regular file, no permission, a read error
    TooLarge,    // longer than the limit: no project is
};

struct FileBytes {
    ReadStatus status = ReadStatus::Unreadable;
    std::string bytes;
};

// The bytes of the regular file at path (symbolic links followed); never more than
// limit bytes are read.
FileBytes readRegularFile(const std::string& path, std::size_t limit);

// Something exists under that name (a symbolic link counts by what it points to).
bool fileExists(const std::string& path);

// A file exists at path (links followed) and its permission bits give nobody the right
// to write it. Its mode decides, not the rights of this process: a project marked
// read-only stays as it is also for a program run by the administrator.
bool isReadOnly(const std::string& path);

// The prefix of every temporary file a save makes beside its target; a short one, so
// that a target whose name is as long as the file system allows still saves.
inline constexpr const char* kTemporaryPrefix = ".~miranosu-";

// Replaces the file at path with bytes, or creates it. A symbolic link is followed to
// the file it names, and that file is replaced; an existing file keeps its permission
// bits, and its owner and group where the process may set them. The data reach the
// disk before the rename, the folder after it. A read-only target (see isReadOnly) is
// refused. False when anything fails: the target is then untouched and the temporary
// file of this save is gone again.
bool replaceFile(const std::string& path, const std::string& bytes);

}  // namespace project
