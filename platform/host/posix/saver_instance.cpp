#include "platform/host/posix/saver_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
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

namespace {

// The claim's descriptor, closed by the termination handler.
volatile std::sig_atomic_t heldLock = -1;

// The daemon starts the next display program right after signalling the last one, whose
// handler may not have run yet: a lock still held is tried again for this long.
constexpr int kTries = 20;
constexpr useconds_t kTryInterval = 25000;

// 0 when locked, else the errno of the last try.
int Lock(int fd) {
    for (int tries = 0;; ++tries) {
        if (flock(fd, LOCK_EX | LOCK_NB) == 0) return 0;
        if (errno != EWOULDBLOCK && errno != EINTR) return errno;
        if (tries == kTries) return EWOULDBLOCK;
        usleep(kTryInterval);
    }
}

} // namespace

bool ClaimSaverInstance() {
    const std::string path = SaverLockPath();
    if (path.empty()) return true;
    // Kept open until the process ends or is asked to: the open descriptor is the claim. Not
    // inherited by programs we start.
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return true;
    const int error = Lock(fd);
    if (error == 0) {
        heldLock = fd;
        return true;
    }
    close(fd);
    return error != EWOULDBLOCK;
}

void ReleaseSaverInstance() {
    const int fd = heldLock;
    heldLock = -1;
    if (fd >= 0) close(fd);
}

} // namespace platform
