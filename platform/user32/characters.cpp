// Stepping through strings in the system code page, UTF-8 here.
#include "platform/win32.h"

namespace {

// Bytes in a UTF-8 sequence from its lead byte; a stray byte counts as one character.
int SequenceLength(unsigned char lead) {
    if (lead >= 0xF0 && lead < 0xF8) return 4;
    if (lead >= 0xE0) return lead < 0xF0 ? 3 : 1;
    if (lead >= 0xC0) return 2;
    return 1;
}

} // namespace

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
