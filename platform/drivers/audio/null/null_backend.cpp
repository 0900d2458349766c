#include "platform/drivers/audio/null/null_backend.h"

#include <algorithm>
#include <cstdint>

#include "platform/drivers/audio/header_queue.h"

namespace platform {
namespace {

// Consumption is reckoned from an anchor: the time the stream last began moving (the first
// header after an idle spell, or a restart) and the bytes consumed since.
class NullStream : public WaveStream {
public:
    NullStream(NullAudioBackend& device, DWORD byteRate) : device(device), byteRate(byteRate) {}

    void Queue(WAVEHDR* header) override {
        Advance();
        if (queue.Empty()) Anchor();
        queue.Push(header);
    }

    void Pause() override {
        Advance();
        paused = true;
    }

    void Restart() override {
        if (!paused) return;
        paused = false;
        Anchor();
    }

    std::vector<WAVEHDR*> Reset() override {
        paused = false;
        return queue.TakeAll();
    }

    std::vector<WAVEHDR*> TakeDone() override {
        Advance();
        return queue.TakeDone();
    }

    std::optional<DWORD> TimeToNextDone() override {
        Advance();
        if (queue.HasDone()) return 0;
        if (paused || queue.Empty()) return std::nullopt;
        uint64_t needed = sinceAnchor + queue.FrontRemaining();
        uint64_t at = (needed * 1000 + byteRate - 1) / byteRate; // ms after the anchor
        uint64_t elapsed = DWORD(GetTickCount() - anchor);
        return DWORD(at > elapsed ? at - elapsed : 0);
    }

private:
    void Anchor() {
        anchor = GetTickCount();
        sinceAnchor = 0;
    }

    void Advance() {
        if (paused) return;
        uint64_t due = uint64_t(DWORD(GetTickCount() - anchor)) * byteRate / 1000;
        // Header by header, so a long jump of the clock records no more than was queued.
        while (sinceAnchor < due && !queue.Empty())
            sinceAnchor +=
                Take(size_t(std::min<uint64_t>(due - sinceAnchor, queue.FrontRemaining())));
    }

    size_t Take(size_t n) {
        if (!device.recording) return queue.Consume(nullptr, n);
        size_t start = device.consumed.size();
        device.consumed.resize(start + n);
        return queue.Consume(device.consumed.data() + start, n);
    }

    NullAudioBackend& device;
    const DWORD byteRate;
    HeaderQueue queue;
    DWORD anchor = 0;
    uint64_t sinceAnchor = 0;
    bool paused = false;
};

} // namespace

WAVEOUTCAPSA NullAudioBackend::Capabilities() {
    WAVEOUTCAPSA caps = AudioBackend::Capabilities();
    caps.dwFormats = formats;
    caps.dwSupport = support;
    return caps;
}

std::unique_ptr<WaveStream> NullAudioBackend::Open(const WAVEFORMATEX& format) {
    opened.push_back(format);
    return std::make_unique<NullStream>(*this, format.nAvgBytesPerSec);
}

} // namespace platform
