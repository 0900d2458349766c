// The process entry on a host without Win32: turns the host's arguments and the conventions
// of the host's screen-saver daemon into a Win32 command line, turns termination signals into
// close requests, and runs the program's entry.
#pragma once
#include <string>

#include "platform/win32.h"

namespace platform {

// What GetCommandLineA returns from now on.
void SetCommandLine(const std::string& line);

// The Win32 command line for these arguments: the program path in quotes, then the
// arguments, each quoted when it holds a blank. When only the conventions of the host's
// screen-saver daemon are given, "-root" (or a window named by XSCREENSAVER_WINDOW) becomes
// "/s", and "-window-id ID" a preview that fails (its foreign window cannot be drawn into).
std::string CommandLineFromArguments(int argc, const char* const* argv, const char* daemonWindow);

// Sets the command line, installs the signal handling and returns entry's result.
int RunProcessEntry(int argc, char** argv, int (*entry)());

} // namespace platform
