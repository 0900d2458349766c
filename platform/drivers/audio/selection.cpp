// Picks the audio backend once, at first use, the way the display backend is picked.
#include "platform/drivers/audio/no_device.h"
#include "platform/drivers/audio/null/null_backend.h"
#include "platform/drivers/audio/sdl/sdl_backend.h"
#include "platform/drivers/display/backend.h"
#include "platform/drivers/environment_choice.h"

namespace platform {
namespace {

bool SdlAudioWanted() {
    return EnvironmentChooses("LUMARIS_AUDIO", "sdl", "null", SdlDisplayWanted());
}

// SDL without a usable output is a host with no device, not a silent one.
std::unique_ptr<AudioBackend> ChooseBackend() {
    if (!SdlAudioWanted()) return std::make_unique<NullAudioBackend>();
    if (auto backend = MakeSdlAudioBackend()) return backend;
    return std::make_unique<NoAudioDevice>();
}

std::unique_ptr<AudioBackend>& Backend() {
    static std::unique_ptr<AudioBackend> backend;
    return backend;
}

} // namespace

AudioBackend& Audio() {
    auto& backend = Backend();
    if (!backend) backend = ChooseBackend();
    return *backend;
}

void UseAudioBackend(std::unique_ptr<AudioBackend> backend) {
    Backend() = std::move(backend);
}

} // namespace platform
