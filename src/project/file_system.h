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

// The name of the temporary file a save of path writes first.
std::string temporaryFileFor(const std::string& path);

// Replaces the file at path with bytes, or creates it. A symbolic link is followed to
// the file it names, and that file is replaced; an existing file keeps its permission
// bits, and its owner and group where the process may set them. The data reach the
// disk before the rename, the folder after it. False when anything fails: the target
// is then untouched and no temporary file is left. A temporary file that a killed save
// left behind is removed first.
bool replaceFile(const std::string& path, const std::string& bytes);

}  // namespace project
