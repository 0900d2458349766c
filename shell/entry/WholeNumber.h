// Whole numbers given on the command line.
#pragma once
#include <cerrno>
#include <cstdlib>

// Decimal digits only (no sign, no blanks, nothing after them) making a value from low to
// high; *value is set only then.
inline bool ParseWholeNumber(const char* text, long low, long high, long* value) {
    if (!text || *text < '0' || *text > '9') return false;
    char* end = nullptr;
    errno = 0;
    const long parsed = std::strtol(text, &end, 10);
    if (errno != 0 || *end != '\0' || parsed < low || parsed > high) return false;
    *value = parsed;
    return true;
}
