// A device that plays nothing but keeps time: it consumes each stream at the format's byte
// rate on the platform clock (the virtual clock in tests), so completions come when a real
// device's would. Optionally it keeps what it consumed, for tests to compare.
#pragma once
#include <vector>

#include "platform/drivers/audio/backend.h"

namespace platform {

class NullAudioBackend : public AudioBackend {
public:
    UINT DeviceCount() override { return 1; }
    WAVEOUTCAPSA Capabilities() override;
    std::unique_ptr<WaveStream> Open(const WAVEFORMATEX& format) override;

    // What the device says it offers (tests ask for less).
    DWORD formats = 0xFFF;
    DWORD support = WAVECAPS_VOLUME | WAVECAPS_LRVOLUME;

    // Every stream's consumed bytes, in the order consumed, while recording is on.
    bool recording = false;
    std::vector<BYTE> consumed;
    // The format of every open, in order.
    std::vector<WAVEFORMATEX> opened;
};

} // namespace platform
