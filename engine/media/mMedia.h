// Timing base of every media object: a position, a length and a time format, with the
// conversions between milliseconds, units (samples or frames) and bytes. The playback slots
// are placeholders here; the audio class fills them in.
#pragma once

#include "engine/core/mObject.h"

// Fourteen words, zero at construction. The base owns length, timeFormat and position; the
// others are named after what the audio class keeps in them.
struct MediaInfo {
    DWORD formatTag;
    DWORD deviceCount;
    LONG device;
    DWORD bestRate;
    DWORD bestBits;
    DWORD bestChannels;
    LONG length;
    DWORD volume;
    DWORD timeFormat;
    DWORD volumeCaps;
    LONG position;
    DWORD playPosition;
    DWORD playing;
    DWORD paused;
};

struct RateInfo {
    DWORD rate;        // units per second
    DWORD bitsPerUnit; //
    DWORD channels;    // units per frame
    DWORD lengthUnits;
    DWORD dataBytes;
    DWORD lengthMs;
};

enum mTimeFormat : DWORD { timeMs = 0, timeUnits = 1, timeBytes = 2 };

class mMedia : public virtual mObject {
public:
    mMedia();
    virtual ~mMedia();

    virtual LONG ReadFormat(DWORD bytes);
    virtual LONG WriteFormat(DWORD bytes);
    virtual LONG MovePlayPosition(LONG n, LONG whence);
    virtual LONG Play(DWORD duration, DWORD passes);
    virtual LONG Pause();
    virtual LONG Stop();
    virtual LONG SetVolume(DWORD left, DWORD right);
    virtual LONG ReadData(LPVOID destination, LONG count);
    virtual LONG WriteData(LPCVOID source, LONG count);
    virtual LONG SetPlayPosition(LONG n);
    virtual void SetTimeFormat(DWORD format);

    // Unsigned 32-bit arithmetic, truncating; the +999 and the -1 round up.
    virtual DWORD TimeToUnits(DWORD ms, DWORD s, DWORD min);
    virtual DWORD TimeToBytes(DWORD ms, DWORD s, DWORD min);
    virtual DWORD UnitsToMs(DWORD n);
    virtual DWORD UnitsToBytes(DWORD n);
    virtual DWORD BytesToMs(DWORD n);
    virtual DWORD BytesToUnits(DWORD n);
    virtual DWORD ToBytes(DWORD v);
    virtual DWORD FromBytes(DWORD b);

    // Read-only views of the records below, valid for the object's life.
    const MediaInfo* const mediaInfo = &media;
    const RateInfo* const rateInfo = &rates;

protected:
    MediaInfo media{};
    RateInfo rates{};
};
