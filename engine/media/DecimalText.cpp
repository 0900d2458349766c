#include "engine/media/DecimalText.h"

#include <cstdint>

const char* ReadDecimal(const char* text, LONG* value) {
    while (*text == ' ' || *text == '\t')
        ++text;
    const bool negative = *text == '-';
    if (*text == '-' || *text == '+') ++text;
    if (*text < '0' || *text > '9') return nullptr;
    uint32_t magnitude = 0;
    for (; *text >= '0' && *text <= '9'; ++text)
        magnitude = magnitude * 10u + uint32_t(*text - '0');
    *value = LONG(negative ? 0u - magnitude : magnitude);
    return text;
}

LONG DecimalValue(const char* text) {
    LONG value = 0;
    ReadDecimal(text, &value);
    return value;
}

int ReadDecimalList(const char* text, LONG* values, int count) {
    for (int filled = 0; filled < count; ++filled) {
        if (filled > 0 && *text++ != ',') return filled;
        text = ReadDecimal(text, &values[filled]);
        if (!text) return filled;
    }
    return count;
}
