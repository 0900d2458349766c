// A host without any sound output: there is no device to open.
#pragma once
#include "platform/drivers/audio/backend.h"

namespace platform {

class NoAudioDevice : public AudioBackend {
public:
    UINT DeviceCount() override { return 0; }
    std::unique_ptr<WaveStream> Open(const WAVEFORMATEX&) override { return nullptr; }
};

} // namespace platform
