// The process's command line as the process entry set it.
#include "platform/kernel32/command_line.h"

#include "platform/win32.h"

namespace {

std::string& CommandLine() {
    static std::string line;
    return line;
}

} // namespace

namespace platform {

void SetCommandLine(const std::string& line) {
    CommandLine() = line;
}

} // namespace platform

LPSTR WINAPI GetCommandLineA(void) {
    return CommandLine().data();
}
