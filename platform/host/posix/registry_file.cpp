#include "platform/host/posix/registry_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "platform/advapi32/text_form.h"
#include "platform/include/winreg.h"

namespace platform::registry {
namespace {

enum class FileState { Missing, Good, Damaged };

struct FileContents {
    FileState state = FileState::Missing;
    Tree tree;
    std::string problem;
};

FileContents Damaged(std::string problem) {
    FileContents contents;
    contents.state = FileState::Damaged;
    contents.problem = std::move(problem);
    return contents;
}

bool ReadWholeFile(int fd, std::string& text) {
    char buffer[8192];
    for (;;) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got == 0) return true;
        if (got < 0 && errno != EINTR) return false;
        if (got > 0) text.append(buffer, size_t(got));
    }
}

FileContents ReadRegistryFile(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) return {};
        return Damaged(std::string("cannot be opened: ") + std::strerror(errno));
    }
    std::string text;
    const bool read = ReadWholeFile(fd, text);
    const int readError = errno;
    close(fd);
    if (!read) return Damaged(std::string("cannot be read: ") + std::strerror(readError));
    FileContents contents;
    ParseProblem problem;
    if (!ParseRegistryText(text, contents.tree, problem))
        return Damaged("line " + std::to_string(problem.line) + ": " + problem.what);
    contents.state = FileState::Good;
    return contents;
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
    if (std::rename(path.c_str(), aside.c_str()) == 0) {
        std::fprintf(stderr,
                     "lumaris: the registry file %s is damaged (%s); it was kept as %s and the "
                     "default settings are used\n",
                     path.c_str(), problem.c_str(), aside.c_str());
        return true;
    }
    std::fprintf(stderr,
                 "lumaris: the registry file %s is damaged (%s) and could not be kept aside (%s); "
                 "the default settings are used and nothing is written\n",
                 path.c_str(), problem.c_str(), std::strerror(errno));
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
                close(fd);
                fd = -1;
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

bool WriteAll(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t put = write(fd, text.data() + done, text.size() - done);
        if (put < 0 && errno != EINTR) return false;
        if (put > 0) done += size_t(put);
    }
    return fsync(fd) == 0;
}

// A temporary file in the same folder renamed over the old one: readers see either the whole
// old file or the whole new one.
bool ReplaceFile(const std::string& path, const std::string& text) {
    std::string temporary = path + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) return false;
    const bool written = WriteAll(fd, text);
    if (close(fd) == 0 && written && std::rename(temporary.c_str(), path.c_str()) == 0) return true;
    unlink(temporary.c_str());
    return false;
}

std::string ConfigHome() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && config[0] == '/') return config;
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/') return std::string(home) + "/.config";
    return {};
}

} // namespace

std::string RegistryFilePath() {
    const char* chosen = std::getenv("LUMARIS_REGISTRY");
    if (chosen && *chosen) return chosen;
    const std::string config = ConfigHome();
    return config.empty() ? std::string() : config + "/lumaris/registry.reg";
}

Tree LoadRegistry() {
    const std::string path = RegistryFilePath();
    if (path.empty()) return {};
    FileContents contents = ReadRegistryFile(path);
    if (contents.state != FileState::Damaged) return std::move(contents.tree);
    // Judge and move it only under the lock: a writer may be replacing it right now.
    WriterLock lock(path);
    contents = ReadRegistryFile(path);
    if (contents.state == FileState::Damaged) SetAside(path, contents.problem);
    return std::move(contents.tree);
}

LONG UpdateRegistry(const std::function<bool(Tree&)>& change) {
    const std::string path = RegistryFilePath();
    if (path.empty()) return ERROR_ACCESS_DENIED;
    MakeParentFolders(path);
    WriterLock lock(path);
    if (!lock.Held()) return ERROR_ACCESS_DENIED;
    FileContents contents = ReadRegistryFile(path);
    if (contents.state == FileState::Damaged && !SetAside(path, contents.problem))
        return ERROR_ACCESS_DENIED;
    if (!change(contents.tree)) return ERROR_SUCCESS;
    return ReplaceFile(path, FormatRegistryText(contents.tree)) ? ERROR_SUCCESS : ERROR_WRITE_FAULT;
}

} // namespace platform::registry
