#include "platform/host/posix/registry_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <set>

#include "platform/host/posix/file_replacement.h"
#include "platform/include/winreg.h"

namespace platform::registry {
namespace {

enum class FileState { Missing, Good, Damaged, NotAFile };

long fileReads = 0;

struct FileRead {
    FileState state = FileState::Missing;
    std::string problem;
};

// One line on standard error, and only the first time: a file read many times in a run
// gives each warning once.
void WarnOnce(const std::string& message) {
    static std::set<std::string> given;
    if (given.insert(message).second) std::fprintf(stderr, "lumaris: %s\n", message.c_str());
}

std::string Reason(int error) {
    return std::strerror(error);
}

// The whole file in one pass; the size known beforehand saves copies of a large file.
bool ReadWholeFile(int fd, size_t expected, std::string& text) {
    size_t used = 0;
    text.resize(expected + 1); // one byte more, so the end shows within the same read
    for (;;) {
        if (used == text.size()) text.resize(text.size() * 2);
        const ssize_t got = read(fd, &text[used], text.size() - used);
        if (got == 0) break;
        if (got < 0 && errno != EINTR) return false;
        if (got > 0) used += size_t(got);
    }
    text.resize(used);
    return true;
}

// Opened without blocking, so a FIFO put there cannot hang the reader.
FileRead ReadText(const std::string& path, std::string& text) {
    ++fileReads;
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) return {};
        return {FileState::Damaged, "cannot be opened: " + Reason(errno)};
    }
    struct stat info;
    FileRead result{FileState::Good, {}};
    if (fstat(fd, &info) != 0)
        result = {FileState::Damaged, "cannot be read: " + Reason(errno)};
    else if (!S_ISREG(info.st_mode))
        result = {FileState::NotAFile, S_ISDIR(info.st_mode) ? "a folder" : "not a regular file"};
    else if (!ReadWholeFile(fd, size_t(info.st_size), text))
        result = {FileState::Damaged, "cannot be read: " + Reason(errno)};
    close(fd);
    return result;
}

FileRead ScanFile(const std::string& path, TextVisitor& visitor) {
    std::string text;
    FileRead read = ReadText(path, text);
    ParseProblem problem;
    if (read.state == FileState::Good && !ScanRegistryText(text, visitor, problem))
        read = {FileState::Damaged, "line " + std::to_string(problem.line) + ": " + problem.what};
    return read;
}

void RefuseNonFile(const std::string& path, const FileRead& read) {
    WarnOnce("the registry file " + path + " is " + read.problem +
             "; it is left as it is, the default settings are used and nothing is written");
}

std::string AsideName(const std::string& path) {
    char stamp[32];
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    std::strftime(stamp, sizeof stamp, "%Y%m%dT%H%M%SZ", &utc);
    const std::string base = path + ".damaged-" + stamp;
    std::string name = base;
    struct stat existing;
    for (int n = 2; lstat(name.c_str(), &existing) == 0; ++n)
        name = base + "-" + std::to_string(n);
    return name;
}

// Never throws a damaged file away: it is renamed, and only then may a new file take its place.
bool SetAside(const std::string& path, const std::string& problem) {
    const std::string aside = AsideName(path);
    const std::string damaged = "the registry file " + path + " is damaged (" + problem + ")";
    if (std::rename(path.c_str(), aside.c_str()) == 0) {
        WarnOnce(damaged + "; it was kept as " + aside + " and the default settings are used");
        return true;
    }
    WarnOnce(damaged + " and could not be kept aside (" + Reason(errno) +
             "); the default settings are used and nothing is written");
    return false;
}

// Exclusive flock on a companion file: the registry file itself is replaced by rename, so a
// lock on it would not be seen by a writer that opens the new one.
class WriterLock {
public:
    explicit WriterLock(const std::string& path)
        : fd(open((path + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600)) {
        while (fd >= 0 && flock(fd, LOCK_EX) != 0) {
            if (errno != EINTR) {
                const int error = errno;
                close(fd);
                fd = -1;
                errno = error;
            }
        }
    }
    ~WriterLock() {
        if (fd >= 0) close(fd); // closing releases the lock
    }
    WriterLock(const WriterLock&) = delete;
    WriterLock& operator=(const WriterLock&) = delete;
    bool Held() const { return fd >= 0; }

private:
    int fd;
};

void MakeParentFolders(const std::string& path) {
    for (size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1))
        mkdir(path.substr(0, slash).c_str(), 0700);
}

std::string ConfigHome() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && config[0] == '/') return config;
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/') return std::string(home) + "/.config";
    return {};
}

// The file a chain of symbolic links ends at (which need not exist yet).
std::string FollowLinks(std::string path) {
    char target[PATH_MAX];
    for (int hops = 0; hops < 40; ++hops) {
        const ssize_t length = readlink(path.c_str(), target, sizeof target);
        if (length <= 0 || size_t(length) == sizeof target) break;
        const std::string next(target, size_t(length));
        path = next.front() == '/' ? next : FolderOf(path) + '/' + next;
    }
    return path;
}

std::string TargetPath() {
    const std::string path = RegistryFilePath();
    return path.empty() ? path : FollowLinks(path);
}

LONG WriteFailed(const std::string& path, int error, LONG status) {
    WarnOnce("the settings cannot be written to " + path + ": " + Reason(error));
    return status;
}

// The tree as the file holds it, or false (reported) when it must not be replaced.
bool ReadForUpdate(const std::string& path, Tree& tree) {
    TreeBuilder builder(tree);
    const FileRead read = ScanFile(path, builder);
    if (read.state == FileState::NotAFile) RefuseNonFile(path, read);
    if (read.state == FileState::Damaged) return SetAside(path, read.problem);
    return read.state != FileState::NotAFile;
}

} // namespace

long RegistryFileReadCount() {
    return fileReads;
}

std::string RegistryFilePath() {
    const char* chosen = std::getenv("LUMARIS_REGISTRY");
    if (chosen && *chosen) return chosen;
    const std::string config = ConfigHome();
    return config.empty() ? std::string() : config + "/lumaris/registry.reg";
}

void VisitRegistry(TextVisitor& visitor) {
    const std::string path = TargetPath();
    if (path.empty()) return;
    FileRead read = ScanFile(path, visitor);
    if (read.state == FileState::Damaged) {
        // Judge and move it only under the lock: a writer may be replacing it right now.
        WriterLock lock(path);
        read = ScanFile(path, visitor);
        if (read.state == FileState::Damaged) SetAside(path, read.problem);
    }
    if (read.state == FileState::NotAFile) RefuseNonFile(path, read);
}

LONG UpdateRegistry(const std::function<bool(Tree&)>& change) {
    const std::string path = TargetPath();
    if (path.empty()) {
        WarnOnce("the settings cannot be written: neither LUMARIS_REGISTRY nor HOME is set");
        return ERROR_ACCESS_DENIED;
    }
    MakeParentFolders(path);
    WriterLock lock(path);
    if (!lock.Held()) return WriteFailed(path, errno, ERROR_ACCESS_DENIED);
    RemoveStaleTemporaries(path); // under the lock no other replacement is under way
    Tree tree;
    if (!ReadForUpdate(path, tree)) return ERROR_ACCESS_DENIED;
    if (!change(tree)) return ERROR_SUCCESS;
    if (!ReplaceFile(path, FormatRegistryText(tree)))
        return WriteFailed(path, errno, ERROR_WRITE_FAULT);
    return ERROR_SUCCESS;
}

} // namespace platform::registry
