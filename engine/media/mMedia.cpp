#include "engine/media/mMedia.h"

mMedia::mMedia() {
    media.position = -1;
    rates.rate = 1;
    rates.bitsPerUnit = 8;
    rates.channels = 1;
}

mMedia::~mMedia() = default;

LONG mMedia::ReadFormat(DWORD) {
    return 0;
}
LONG mMedia::WriteFormat(DWORD) {
    return 0;
}
LONG mMedia::MovePlayPosition(LONG, LONG) {
    return 0;
}
LONG mMedia::Play(DWORD, DWORD) {
    return 0;
}
LONG mMedia::Pause() {
    return 0;
}
LONG mMedia::Stop() {
    return 0;
}
LONG mMedia::SetVolume(DWORD, DWORD) {
    return 0;
}
LONG mMedia::ReadData(LPVOID, LONG) {
    return 0;
}
LONG mMedia::WriteData(LPCVOID, LONG) {
    return 1;
}

LONG mMedia::SetPlayPosition(LONG n) {
    if (n < media.length) media.position = n;
    return media.position;
}

void mMedia::SetTimeFormat(DWORD format) {
    media.timeFormat = format;
}

DWORD mMedia::TimeToUnits(DWORD ms, DWORD s, DWORD min) {
    DWORD total = ms + 1000 * s + 60000 * min;
    return (total * rates.rate + 999) / 1000 * rates.channels;
}

DWORD mMedia::TimeToBytes(DWORD ms, DWORD s, DWORD min) {
    return UnitsToBytes(TimeToUnits(ms, s, min));
}

// A format read from a file may carry a zero rate, channel count or unit size; those give 0
// rather than a division by zero.
DWORD mMedia::UnitsToMs(DWORD n) {
    if (rates.rate == 0 || rates.channels == 0) return 0;
    return n * 1000 / rates.rate / rates.channels;
}

DWORD mMedia::UnitsToBytes(DWORD n) {
    return (n * rates.bitsPerUnit + 7) / 8;
}

DWORD mMedia::BytesToMs(DWORD n) {
    return UnitsToMs(BytesToUnits(n));
}

DWORD mMedia::BytesToUnits(DWORD n) {
    if (rates.bitsPerUnit == 0) return 0;
    return (n * 8 + rates.bitsPerUnit - 1) / rates.bitsPerUnit;
}

DWORD mMedia::ToBytes(DWORD v) {
    switch (media.timeFormat) {
    case timeMs:
        return TimeToBytes(v, 0, 0);
    case timeUnits:
        return UnitsToBytes(v);
    default:
        return v;
    }
}

DWORD mMedia::FromBytes(DWORD b) {
    switch (media.timeFormat) {
    case timeMs:
        return BytesToMs(b);
    case timeUnits:
        return BytesToUnits(b);
    default:
        return b;
    }
}
