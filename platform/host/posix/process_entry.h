// The process entry on a host without Win32: turns the host's arguments and the conventions
// of the host's screen-saver daemon into a Win32 command line and runs the program's entry.
#pragma once
#include <string>

#include "platform/win32.h"

namespace platform {

// What the host's screen-saver daemon asks for when its conventions are all the arguments:
// "-root" (or a window named by XSCREENSAVER_WINDOW, `daemonWindow`) full screen, in
// `window` when one is named; "-window-id ID" a preview in the foreign window ID.
struct DaemonRequest {
    enum class Kind { None, FullScreen, Preview } kind = Kind::None;
    const char* window = nullptr;
};
DaemonRequest DaemonRequestIn(int argc, const char* const* argv, const char* daemonWindow);

// The Win32 command line for these arguments: the program path in quotes, then the
// arguments, each quoted when it holds a blank. A daemon's request becomes "/s", or
// "/p <previewBox>" (a preview that fails when no window stands for the daemon's box).
std::string CommandLineFromArguments(int argc, const char* const* argv, const char* daemonWindow,
                                     HWND previewBox = nullptr);

// Adopts the daemon's window, sets the command line and returns entry's result. The caller
// has installed the termination handling first (WatchTerminationSignals).
int RunProcessEntry(int argc, char** argv, int (*entry)());

} // namespace platform
