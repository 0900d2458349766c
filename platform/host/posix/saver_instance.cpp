#include "platform/host/posix/saver_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/host/posix/registry_file.h"

namespace platform {

std::string SaverLockPath() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && runtime[0] == '/') return std::string(runtime) + "/lumaris-saver.lock";
    const std::string settings = registry::RegistryFilePath();
    const size_t slash = settings.rfind('/');
    return slash == std::string::npos ? std::string()
                                      : settings.substr(0, slash + 1) + "saver.lock";
}

bool ClaimSaverInstance() {
    const std::string path = SaverLockPath();
    if (path.empty()) return true;
    // Never closed: the open descriptor is the claim. Not inherited by programs we start.
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return true;
    int result = 0;
    do {
        result = flock(fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result == 0) return true;
    const bool held = errno == EWOULDBLOCK;
    close(fd);
    return !held;
}

} // namespace platform
