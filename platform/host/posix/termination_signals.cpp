#include "platform/host/posix/termination_signals.h"

#include <cerrno>
#include <csignal>

#include "platform/host/posix/saver_instance.h"
#include "platform/user32/input/host_input.h"
#include "platform/user32/window/manager.h"

namespace platform {
namespace {

volatile std::sig_atomic_t terminationRequested = 0;

void NoteTermination(int) {
    const int savedErrno = errno; // the interrupted code may be about to read it
    terminationRequested = 1;
    // The next saver, which the daemon starts right away, need not wait for this one to end.
    ReleaseSaverInstance();
    errno = savedErrno;
}

} // namespace

void WatchTerminationSignals() {
    struct sigaction action {};
    action.sa_handler = NoteTermination;
    sigemptyset(&action.sa_mask);
    // Calls under way go on as if nothing happened; the waits for input are short anyway.
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    // A parent may start the program with them blocked; blocked, they would wait forever.
    sigset_t termination;
    sigemptyset(&termination);
    sigaddset(&termination, SIGTERM);
    sigaddset(&termination, SIGINT);
    sigprocmask(SIG_UNBLOCK, &termination, nullptr);
}

void DeliverTerminationRequests() {
    if (!terminationRequested) return;
    bool heard = false;
    for (HWND window : TopLevelWindows()) {
        if (!IsWindowVisible(window)) continue;
        InjectCloseRequest(window);
        heard = true;
    }
    // A signal before the first window is shown waits for it rather than being lost.
    if (heard) terminationRequested = 0;
}

} // namespace platform
