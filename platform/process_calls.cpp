// The process's command line as the process entry set it, and UTF-8 character stepping.
#include "platform/process_entry.h"

namespace {

std::string& CommandLine() {
    static std::string line;
    return line;
}

// Bytes in a UTF-8 sequence from its lead byte; a stray byte counts as one character.
int SequenceLength(unsigned char lead) {
    if (lead >= 0xF0 && lead < 0xF8) return 4;
    if (lead >= 0xE0) return lead < 0xF0 ? 3 : 1;
    if (lead >= 0xC0) return 2;
    return 1;
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

// Never steps over the terminating zero, even inside a cut-off sequence.
LPSTR WINAPI CharNextA(LPCSTR current) {
    if (!current || !*current) return const_cast<LPSTR>(current);
    const int length = SequenceLength(static_cast<unsigned char>(*current));
    int step = 1;
    while (step < length && current[step] &&
           (static_cast<unsigned char>(current[step]) & 0xC0) == 0x80)
        ++step;
    return const_cast<LPSTR>(current + step);
}
