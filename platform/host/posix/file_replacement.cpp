#include "platform/host/posix/file_replacement.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace platform {
namespace {

// A distinctive marker, so a user's own "registry.reg.backup" never looks like ours.
constexpr char kTemporaryMarker[] = ".tmp-";
constexpr size_t kRandomLength = 6; // mkstemp's XXXXXX

bool IsMkstempChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

bool IsTemporaryName(const std::string& name, const std::string& prefix) {
    if (name.size() != prefix.size() + kRandomLength || name.compare(0, prefix.size(), prefix))
        return false;
    for (size_t i = prefix.size(); i < name.size(); ++i)
        if (!IsMkstempChar(name[i])) return false;
    return true;
}

std::string BaseNameOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool WriteAll(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t put = write(fd, text.data() + done, text.size() - done);
        if (put < 0 && errno != EINTR) return false;
        if (put > 0) done += size_t(put);
    }
    return fsync(fd) == 0;
}

// Makes the rename itself durable: it lives in the folder's entries.
bool SyncFolder(const std::string& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool synced = fsync(fd) == 0;
    const int error = errno;
    close(fd);
    errno = error;
    return synced;
}

} // namespace

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool ReplaceFile(const std::string& path, const std::string& text) {
    std::string temporary = path + kTemporaryMarker + std::string(kRandomLength, 'X');
    const int fd = mkstemp(temporary.data());
    if (fd < 0) return false;
    bool done = WriteAll(fd, text);
    int error = errno;
    if (close(fd) != 0 && done) {
        done = false;
        error = errno;
    }
    if (done && std::rename(temporary.c_str(), path.c_str()) == 0)
        return SyncFolder(FolderOf(path));
    if (done) error = errno;
    unlink(temporary.c_str());
    errno = error;
    return false;
}

void RemoveStaleTemporaries(const std::string& path) {
    const std::string prefix = BaseNameOf(path) + kTemporaryMarker;
    DIR* folder = opendir(FolderOf(path).c_str());
    if (!folder) return;
    const int folderFd = dirfd(folder);
    while (const dirent* entry = readdir(folder)) {
        struct stat info;
        if (!IsTemporaryName(entry->d_name, prefix) ||
            fstatat(folderFd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (S_ISREG(info.st_mode) && info.st_uid == geteuid()) unlinkat(folderFd, entry->d_name, 0);
    }
    closedir(folder);
}

} // namespace platform
