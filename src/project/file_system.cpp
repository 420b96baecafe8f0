#include "project/file_system.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <random>
#include <thread>
#include <vector>

namespace project {

namespace {

// More links than this in a row is a loop.
constexpr int kMaxLinks = 40;
// Names tried before a save gives up on finding a free one.
constexpr int kTemporaryAttempts = 100;

// Closes a descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // False when closing reports an error (the data may not have been written).
    bool close() {
        if (fd_ < 0) return true;
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0;
    }

private:
    int fd_;
};

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// The file that path names once every symbolic link on its last component is
// followed; it need not exist. Nothing for a loop or an unreadable link.
std::optional<std::string> resolveLinks(std::string path) {
    for (int hop = 0; hop <= kMaxLinks; ++hop) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
        std::vector<char> target(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 255) + 1);
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n < 0 || static_cast<std::size_t>(n) >= target.size()) return std::nullopt;
        std::string next(target.data(), static_cast<std::size_t>(n));
        path = next.front() == '/' ? next : folderOf(path) + "/" + next;
    }
    return std::nullopt;
}

bool writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The replaced file's owner, group and permission bits for its successor. Setting the
// owner needs privileges the process may not have; the group alone may still be
// allowed; either way the save goes on.
bool keepAttributes(int fd, const struct stat& old) {
    if (::fchown(fd, old.st_uid, old.st_gid) != 0 && ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) {
        // Neither: the new file keeps the process's owner and group.
    }
    // After the owner: changing it may clear the set-id bits.
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

// The folder's entry for the renamed file reaches the disk. Some file systems cannot
// sync a folder; the file is in place by then either way.
void syncFolder(const std::string& folder) {
    Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.valid()) ::fsync(dir.get());
}

// Random letters for a temporary name. Seeded per thread from the system's randomness
// and the thread's identity, and again in a forked child, so that processes and threads
// draw apart.
std::string randomLetters(std::size_t count) {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937_64 generator;
    thread_local pid_t seededFor = 0;
    if (seededFor != ::getpid()) {
        seededFor = ::getpid();
        std::random_device device;
        std::seed_seq seed{device(), device(), device(), device(), static_cast<unsigned>(seededFor),
                           static_cast<unsigned>(std::hash<std::thread::id>{}(std::this_thread::get_id()))};
        generator.seed(seed);
    }
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    std::string letters;
    for (std::size_t i = 0; i < count; ++i) letters += kLetters[pick(generator)];
    return letters;
}

// Creates a new, empty temporary file in folder, exclusively: a name that exists
// already, whatever it is, is left alone and another one tried. The permission bits
// start as the process's mask gives them, as for any new file.
int createTemporary(const std::string& folder, std::string& name) {
    for (int attempt = 0; attempt < kTemporaryAttempts; ++attempt) {
        name = (folder == "/" ? std::string() : folder) + "/" + kTemporaryPrefix + randomLetters(10);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

bool noWriteBit(const struct stat& st) { return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0; }

}  // namespace

FileBytes readRegularFile(const std::string& path, std::size_t limit) {
    FileBytes result;
    if (path.empty()) return result;
    struct stat st {};
    // Looked at before opening: opening a FIFO waits for a writer, a device may act.
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return result;
    if (static_cast<std::size_t>(st.st_size) > limit) {
        result.status = ReadStatus::TooLarge;
        return result;
    }
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    // The name may have been given to something else in between.
    if (!fd.valid() || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return result;

    // One byte past the limit tells a file that grew while it was read; nothing further
    // is asked for.
    std::string bytes;
    char buffer[65536];
    while (bytes.size() <= limit) {
        const std::size_t wanted = std::min(sizeof buffer, limit + 1 - bytes.size());
        const ssize_t n = ::read(fd.get(), buffer, wanted);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return result;
        if (n == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    if (bytes.size() > limit) {
        result.status = ReadStatus::TooLarge;
        return result;
    }
    result.status = ReadStatus::Ok;
    result.bytes = std::move(bytes);
    return result;
}

bool fileExists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0;
}

bool isReadOnly(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && noWriteBit(st);
}

bool replaceFile(const std::string& path, const std::string& bytes) {
    if (path.empty()) return false;
    const std::optional<std::string> resolved = resolveLinks(path);
    if (!resolved) return false;
    const std::string& target = *resolved;

    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (!exists && errno != ENOENT) return false;
    if (exists) {
        if (!S_ISREG(old.st_mode)) return false;
        // A read-only project stays as it is, although the folder would allow replacing
        // it: by its mode for everyone, by the process's rights for the rest.
        if (noWriteBit(old) || ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return false;
    }

    std::string temp;
    Descriptor fd(createTemporary(folderOf(target), temp));
    if (!fd.valid()) return false;
    const bool written = (!exists || keepAttributes(fd.get(), old)) && writeAll(fd.get(), bytes) &&
                         ::fsync(fd.get()) == 0;
    if (!fd.close() || !written || ::rename(temp.c_str(), target.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    syncFolder(folderOf(target));
    return true;
}

}  // namespace project
