// Where wave-out sound goes: a host audio device or a null device that only keeps time. One
// device; every open wave-out handle has a stream on it.
#pragma once
#include <atomic>
#include <memory>
#include <optional>
#include <vector>

#include "platform/win32.h"

namespace platform {

// The output of one open handle. Headers are played in the order queued; a header is done
// when its last byte has been consumed.
class WaveStream {
public:
    virtual ~WaveStream() = default;

    virtual void Queue(WAVEHDR* header) = 0;
    virtual void Pause() = 0;
    virtual void Restart() = 0;
    // Stops at once: every header not yet taken as done, in order.
    virtual std::vector<WAVEHDR*> Reset() = 0;
    // The headers done since the last call, in order; on the owning thread.
    virtual std::vector<WAVEHDR*> TakeDone() = 0;
    // Milliseconds until the platform clock makes the next header done; none when the device
    // keeps its own time (it then wakes the owning thread's message wait).
    virtual std::optional<DWORD> TimeToNextDone() = 0;
};

class AudioBackend {
public:
    virtual ~AudioBackend() = default;

    // 0 where there is no device at all.
    virtual UINT DeviceCount() = 0;
    virtual WAVEOUTCAPSA Capabilities();
    // Null when the device cannot play the format now.
    virtual std::unique_ptr<WaveStream> Open(const WAVEFORMATEX& format) = 0;

    // Left in the low word, right in the high word; the streams read it as they play.
    std::atomic<DWORD> volume{0xFFFFFFFF};
};

// The backend in use, chosen at first use: LUMARIS_AUDIO=null|sdl, otherwise SDL when the
// display is SDL's, else the null device.
AudioBackend& Audio();
// Replaces the backend (tests); the streams of the old one must be closed.
void UseAudioBackend(std::unique_ptr<AudioBackend> backend);

} // namespace platform
