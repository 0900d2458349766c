// Runs the program as a process of its own, in a temporary folder that holds its settings
// file, its lock and its output.
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/temporary_registry.h"

class ProgramRun {
public:
    // Starts the program with these arguments on the headless display. With
    // `terminationWaiting`, SIGTERM is already raised and blocked when it starts, as if it
    // came before the program's first instruction.
    ProgramRun(const TemporaryRegistry& folder, std::vector<std::string> arguments,
               bool terminationWaiting = false)
        : folder(folder.folder) {
        pid = fork();
        if (pid == 0) Exec(arguments, terminationWaiting);
    }
    ~ProgramRun() {
        if (pid > 0 && !ended) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
    }
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    void Terminate() const { kill(pid, SIGTERM); }

    // The exit code (0 to 255), 128 + the signal that killed it, or -1 when it had to be
    // killed because it never ended (a guard against a hung test, not a time limit).
    int Wait() {
        for (int waited = 0; waited < 600; ++waited) {
            int status = 0;
            if (waitpid(pid, &status, WNOHANG) == pid) {
                ended = true;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return -1;
    }

    std::string Out() const { return Read(folder + "/stdout"); }
    std::string Err() const { return Read(folder + "/stderr"); }

    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    // Waits until `ready` holds (or the guard runs out); false when it never did.
    template <typename Condition> static bool Await(Condition ready) {
        for (int waited = 0; waited < 600; ++waited) {
            if (ready()) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return false;
    }

    // Whether a process holds an flock on path. Read from /proc/locks: trying the lock
    // would take it for a moment and could turn a starting saver away.
    static bool LockHeld(const std::string& path) {
        struct stat file {};
        if (stat(path.c_str(), &file) != 0) return false;
        const std::string inode = ":" + std::to_string(file.st_ino) + " ";
        std::ifstream locks("/proc/locks");
        for (std::string line; std::getline(locks, line);)
            if (line.find("FLOCK") != std::string::npos && line.find(inode) != std::string::npos)
                return true;
        return false;
    }

private:
    [[noreturn]] void Exec(const std::vector<std::string>& arguments, bool terminationWaiting) {
        setenv("LUMARIS_DISPLAY", "headless", 1);
        setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
        unsetenv("XSCREENSAVER_WINDOW");
        Redirect(STDOUT_FILENO, folder + "/stdout");
        Redirect(STDERR_FILENO, folder + "/stderr");
        if (terminationWaiting) {
            sigset_t termination;
            sigemptyset(&termination);
            sigaddset(&termination, SIGTERM);
            sigprocmask(SIG_BLOCK, &termination, nullptr);
            raise(SIGTERM);
        }
        std::vector<char*> argv{const_cast<char*>(LUMARIS_PROGRAM)};
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        execv(LUMARIS_PROGRAM, argv.data());
        _exit(127);
    }

    static void Redirect(int stream, const std::string& path) {
        const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(fd, stream);
        close(fd);
    }

    std::string folder;
    pid_t pid = -1;
    bool ended = false;
};
