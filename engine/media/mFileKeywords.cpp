// The keyword scanner of mFile for line-oriented text (scripts, sprite-image descriptions).
// Every scan stops at the end of the data; the value's terminator is written in place.
#include <cstring>

#include "engine/media/mFile.h"

namespace {

constexpr LONG kScanWindow = 160; // bytes made contiguous before each scan step
constexpr LONG kValueWindow = 81; // longest value and its terminator
constexpr int kSkipLimit = 80;    // most characters any one skip passes over

bool IsLineEnd(BYTE c) {
    return c == '\r' || c == '\n' || c == '\0';
}
bool IsBlank(BYTE c) {
    return c == ' ' || c == '\t' || IsLineEnd(c);
}
bool IsAssignment(BYTE c) {
    return c == '=' || c == ' ' || c == '\t';
}
bool EndsKeyword(BYTE c) {
    return c == '=' || IsBlank(c);
}
BYTE Upper(BYTE c) {
    return c >= 'a' && c <= 'z' ? BYTE(c - 'a' + 'A') : c;
}

template <class Predicate> BYTE* SkipWhile(BYTE* p, const BYTE* end, Predicate holds) {
    for (int n = 0; n < kSkipLimit && p < end && holds(*p); ++n)
        ++p;
    return p;
}

// Length of pattern when the upper-cased text at p begins with it, else 0.
size_t MatchLength(const BYTE* p, const BYTE* end, const char* pattern) {
    size_t length = strlen(pattern);
    if (size_t(end - p) < length) return 0;
    for (size_t i = 0; i < length; ++i)
        if (Upper(p[i]) != BYTE(pattern[i])) return 0;
    return length;
}

// The first keyword of table the text at p starts with, or -1; its length in *length.
LONG FindKeyword(const BYTE* p, const BYTE* end, const char* const* table, size_t* length) {
    for (LONG index = 0; table[index][0] != '\0'; ++index) {
        size_t matched = MatchLength(p, end, table[index]);
        if (matched == 0) continue;
        const BYTE* after = p + matched;
        if (table[index][0] == ':' || after == end || EndsKeyword(*after)) {
            *length = matched;
            return index;
        }
    }
    return -1;
}

bool NotLineEnd(BYTE c) {
    return !IsLineEnd(c);
}
bool NotBlank(BYTE c) {
    return !IsBlank(c);
}

} // namespace

LONG mFile::NextKeyword(const char* const* table) {
    for (;;) {
        Require(kScanWindow);
        BYTE* p = state.current;
        const BYTE* end = state.dataEnd;
        if (p >= end) return -1;
        size_t length = 0;
        LONG index = -1;
        if (MatchLength(p, end, "//")) {
            p = SkipWhile(p, end, NotLineEnd);
        } else if ((index = FindKeyword(p, end, table, &length)) < 0) {
            p = SkipWhile(p, end, NotBlank);
            p = SkipWhile(p, end, IsBlank);
        }
        state.current = p;
        if (index < 0) continue;
        state.current = SkipWhile(p + length, end, IsAssignment);
        Require(kValueWindow);
        BYTE* valueEnd = SkipWhile(state.current, state.dataEnd, NotLineEnd);
        if (valueEnd >= WritableEnd()) return -1;
        *valueEnd = '\0';
        return index;
    }
}
