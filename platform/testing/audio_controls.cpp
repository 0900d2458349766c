#include "platform/drivers/audio/no_device.h"
#include "platform/drivers/audio/null/null_backend.h"
#include "platform/drivers/audio/sdl/sdl_backend.h"
#include "platform/testing/audio.h"

namespace platform::testing {
namespace {

NullAudioBackend& NullDevice() {
    auto* device = dynamic_cast<NullAudioBackend*>(&Audio());
    static NullAudioBackend unused; // answers when another device is in use
    return device ? *device : unused;
}

} // namespace

void UseAudioDevice(AudioDevice device) {
    std::unique_ptr<AudioBackend> backend;
    if (device == AudioDevice::sdl) backend = MakeSdlAudioBackend();
    if (device == AudioDevice::null) {
        auto null = std::make_unique<NullAudioBackend>();
        null->recording = true;
        backend = std::move(null);
    }
    if (!backend) backend = std::make_unique<NoAudioDevice>();
    UseAudioBackend(std::move(backend));
}

void SetNullAudioCapabilities(DWORD formats, DWORD support) {
    NullDevice().formats = formats;
    NullDevice().support = support;
}

const std::vector<BYTE>& NullAudioConsumed() {
    return NullDevice().consumed;
}

const std::vector<WAVEFORMATEX>& NullAudioOpened() {
    return NullDevice().opened;
}

} // namespace platform::testing
