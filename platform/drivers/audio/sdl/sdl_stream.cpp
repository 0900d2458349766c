#include "platform/drivers/audio/sdl/sdl_stream.h"

#include <cstring>

#include "platform/drivers/audio/sdl/volume.h"
#include "platform/user32/message/sources.h"

namespace platform {
namespace {

// About 20 ms a callback at 44100 Hz: completions come soon after the last byte.
constexpr Uint16 kCallbackSamples = 1024;

class DeviceLock {
public:
    explicit DeviceLock(SDL_AudioDeviceID device) : device(device) { SDL_LockAudioDevice(device); }
    ~DeviceLock() { SDL_UnlockAudioDevice(device); }
    DeviceLock(const DeviceLock&) = delete;
    DeviceLock& operator=(const DeviceLock&) = delete;

private:
    SDL_AudioDeviceID device;
};

} // namespace

SdlStream::SdlStream(const WAVEFORMATEX& format, const std::atomic<DWORD>& volume)
    : volume(volume) {
    SDL_AudioSpec wanted{};
    wanted.freq = int(format.nSamplesPerSec);
    wanted.format = format.wBitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16LSB;
    wanted.channels = Uint8(format.nChannels);
    wanted.samples = kCallbackSamples;
    wanted.callback = &SdlStream::Fill;
    wanted.userdata = this;
    SDL_AudioSpec obtained{};
    device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (!device) return;
    sampleFormat = obtained.format;
    silence = obtained.silence;
    channels = obtained.channels;
    SDL_PauseAudioDevice(device, 0);
}

SdlStream::~SdlStream() {
    if (device) SDL_CloseAudioDevice(device); // waits for a callback under way
}

void SdlStream::Queue(WAVEHDR* header) {
    DeviceLock lock(device);
    queue.Push(header);
}

void SdlStream::Pause() {
    SDL_PauseAudioDevice(device, 1);
}

void SdlStream::Restart() {
    SDL_PauseAudioDevice(device, 0);
}

std::vector<WAVEHDR*> SdlStream::Reset() {
    DeviceLock lock(device);
    return queue.TakeAll();
}

std::vector<WAVEHDR*> SdlStream::TakeDone() {
    DeviceLock lock(device);
    return queue.TakeDone();
}

void SDLCALL SdlStream::Fill(void* self, Uint8* stream, int length) {
    static_cast<SdlStream*>(self)->Fill(stream, length);
}

// On SDL's audio thread, with the device locked.
void SdlStream::Fill(Uint8* stream, int length) {
    size_t taken = queue.Consume(stream, size_t(length));
    ScaleVolume(stream, taken, sampleFormat == AUDIO_U8, channels, volume.load());
    std::memset(stream + taken, silence, size_t(length) - taken);
    if (queue.HasDone()) WakeMessageWait();
}

} // namespace platform
