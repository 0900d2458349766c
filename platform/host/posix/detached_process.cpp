#include "platform/host/posix/detached_process.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>

namespace platform {
namespace {

// PATH is searched before forking: after a fork in a process with other threads only
// async-signal-safe calls are allowed, and execvp may allocate.
std::string FindProgram(const std::string& name) {
    if (name.find('/') != std::string::npos) return access(name.c_str(), X_OK) == 0 ? name : "";
    const char* path = std::getenv("PATH");
    std::string folders = path && *path ? path : "/usr/local/bin:/usr/bin:/bin";
    size_t at = 0;
    while (at <= folders.size()) {
        const size_t end = std::min(folders.find(':', at), folders.size());
        const std::string folder = end > at ? folders.substr(at, end - at) : ".";
        const std::string candidate = folder + "/" + name;
        if (access(candidate.c_str(), X_OK) == 0) return candidate;
        at = end + 1;
    }
    return "";
}

// In the intermediate child: a new session, then the grandchild execs and this one leaves.
// A failed exec writes its errno to the pipe; a successful one closes it (close-on-exec).
[[noreturn]] void RunGrandchild(const char* program, char* const* argv, int report) {
    setsid();
    const pid_t grandchild = fork();
    if (grandchild == 0) {
        execv(program, argv);
        const int error = errno;
        (void)!write(report, &error, sizeof error);
        _exit(127);
    }
    _exit(grandchild < 0 ? 1 : 0);
}

bool WaitForChild(pid_t child) {
    int status = 0;
    while (waitpid(child, &status, 0) < 0)
        if (errno != EINTR) return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// True when the pipe closed without an errno: the program is running.
bool ExecSucceeded(int report) {
    int error = 0;
    ssize_t got;
    do
        got = read(report, &error, sizeof error);
    while (got < 0 && errno == EINTR);
    return got == 0;
}

} // namespace

bool StartDetached(const std::vector<std::string>& arguments) {
    if (arguments.empty()) return false;
    const std::string program = FindProgram(arguments[0]);
    if (program.empty()) return false;
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0) return false;
    const pid_t child = fork();
    if (child == 0) {
        close(report[0]);
        RunGrandchild(program.c_str(), argv.data(), report[1]);
    }
    close(report[1]);
    const bool started = child > 0 && WaitForChild(child) && ExecSucceeded(report[0]);
    close(report[0]);
    return started;
}

} // namespace platform
