// What every device offers: the twelve classic formats, two channels, separate left and
// right volumes (SDL converts whatever the host device really takes).
#include "platform/drivers/audio/backend.h"

#include <cstring>

namespace platform {

WAVEOUTCAPSA AudioBackend::Capabilities() {
    WAVEOUTCAPSA caps{};
    caps.wMid = 1;
    caps.vDriverVersion = 0x0100;
    std::strncpy(caps.szPname, "Lumaris Wave Out", sizeof caps.szPname - 1);
    caps.dwFormats = 0xFFF; // WAVE_FORMAT_1M08 to WAVE_FORMAT_4S16
    caps.wChannels = 2;
    caps.dwSupport = WAVECAPS_VOLUME | WAVECAPS_LRVOLUME;
    return caps;
}

} // namespace platform
