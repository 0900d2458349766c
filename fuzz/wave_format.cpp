// Wave sounds from memory, whatever the bytes say: the format reading on its own, then the
// whole sound (format, data, position, a few buffers played) on the null device under the
// virtual clock.
#include "engine/media/WaveFormat.h"
#include "engine/media/mAudioWAV.h"
#include "platform/testing/audio.h"
#include "platform/testing/clock.h"
#include "platform/testing/message_boxes.h"

#include <cstdint>
#include <vector>

namespace {

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
}

void Exercise(mAudioWAV& sound, BYTE control) {
    sound.SetTimeFormat(control & 3);
    sound.MovePlayPosition(LONG(control) * 37, control % 3);
    if (control & 4) sound.SetBuffering(control, control & 7);
    if (!sound.Play(control & 8 ? 100 : 0, control >> 6)) return;
    for (int i = 0; i < 48 && sound.mediaInfo->playing; ++i) {
        platform::testing::AdvanceClock(250);
        Pump();
        if (i == 3) sound.Pause();
        if (i == 5) sound.Play(0, 1);
    }
    sound.Stop();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool prepared = [] {
        platform::testing::UseAudioDevice(platform::testing::AudioDevice::null);
        platform::testing::UseVirtualClock(0);
        return true;
    }();
    (void)prepared;
    ReadWaveFormat(data, DWORD(size));
    std::vector<uint8_t> bytes(data, data + size);
    {
        mAudioWAV sound;
        sound.OpenMemory(bytes.data(), LONG(bytes.size()));
        BYTE control = size > 0 ? data[size - 1] : 0;
        if (sound.ReadFormat(control & 0x10 ? control : 0)) Exercise(sound, control);
    }
    platform::testing::ClearMessageBoxes();
    return 0;
}
