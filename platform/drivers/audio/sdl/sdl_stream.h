// One open handle's SDL device. The callback consumes the queued headers under SDL's device
// lock, which every call from the owning thread takes too; finished headers wait in the
// queue's done list and the owning thread is woken to collect them.
#pragma once
#include <SDL.h>

#include <atomic>

#include "platform/drivers/audio/backend.h"
#include "platform/drivers/audio/header_queue.h"

namespace platform {

class SdlStream : public WaveStream {
public:
    // Opens SDL's default output for the format, converting to what the host takes.
    SdlStream(const WAVEFORMATEX& format, const std::atomic<DWORD>& volume);
    ~SdlStream() override;

    bool IsOpen() const { return device != 0; }

    void Queue(WAVEHDR* header) override;
    void Pause() override;
    void Restart() override;
    std::vector<WAVEHDR*> Reset() override;
    std::vector<WAVEHDR*> TakeDone() override;
    std::optional<DWORD> TimeToNextDone() override { return std::nullopt; }

private:
    static void SDLCALL Fill(void* self, Uint8* stream, int length);
    void Fill(Uint8* stream, int length);

    const std::atomic<DWORD>& volume;
    SDL_AudioFormat sampleFormat = 0;
    Uint8 silence = 0;
    int channels = 1;
    HeaderQueue queue;
    SDL_AudioDeviceID device = 0;
};

} // namespace platform
