#include "platform/drivers/audio/sdl/sdl_backend.h"

#include <SDL.h>

#include "platform/drivers/audio/sdl/sdl_stream.h"
#include "platform/drivers/display/backend.h"

namespace platform {
namespace {

class SdlAudioBackend : public AudioBackend {
public:
    ~SdlAudioBackend() override { SDL_QuitSubSystem(SDL_INIT_AUDIO); }

    UINT DeviceCount() override { return 1; }

    std::unique_ptr<WaveStream> Open(const WAVEFORMATEX& format) override {
        // The audio thread wakes the owning thread through the display: made here, on the
        // owning thread, before the first wake-up could make it there.
        Display();
        auto stream = std::make_unique<SdlStream>(format, volume);
        if (!stream->IsOpen()) return nullptr;
        return stream;
    }
};

} // namespace

std::unique_ptr<AudioBackend> MakeSdlAudioBackend() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return nullptr;
    // -1: the driver cannot list its devices, but has a default one.
    if (SDL_GetNumAudioDevices(0) == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return nullptr;
    }
    return std::make_unique<SdlAudioBackend>();
}

} // namespace platform
