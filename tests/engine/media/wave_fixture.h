// The wave-audio tests run on the null device under the virtual clock; a sound class that
// shows its ring and pending release.
#pragma once

#include <gtest/gtest.h>

#include <list>

#include "platform/testing/audio.h"
#include "platform/testing/clock.h"
#include "platform/testing/memory.h"
#include "platform/testing/message_boxes.h"
#include "tests/engine/media/wave_test_support.h"

namespace wave_test {

class Sound : public mAudioWAV {
public:
    using mAudioWAV::ReleaseFormat;

    int RingSize() const {
        int count = 0;
        for (mWaveBuffer* buffer = ring; buffer && (count == 0 || buffer != ring);
             buffer = buffer->next)
            ++count;
        return count;
    }
    DWORD CurrentLength() const { return current ? current->header.dwBufferLength : 0; }
    DWORD BytesLeft() const { return bytesLeft; }
    BOOL ReleasePending() const { return releasePending; }
    HWND NotifyWindow() const { return notifyWindow; }
};

class WaveAudio : public ::testing::Test {
protected:
    void SetUp() override {
        platform::testing::UseAudioDevice(platform::testing::AudioDevice::null);
        platform::testing::UseVirtualClock(1000);
        platform::testing::ClearMessageBoxes();
        blocksBefore = platform::testing::LiveGlobalBlocks();
    }

    void TearDown() override {
        platform::testing::UseRealClock();
        platform::testing::ClearMessageBoxes();
    }

    // Opens the sound over a copy of the bytes that the test keeps.
    void OpenOver(Sound& sound, const Bytes& bytes) {
        sources.push_back(bytes);
        ASSERT_EQ(sound.OpenMemory(sources.back().data(), LONG(bytes.size())), 1);
    }

    const std::vector<BYTE>& Consumed() { return platform::testing::NullAudioConsumed(); }

    std::list<Bytes> sources;
    size_t blocksBefore = 0;
};

inline void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
}

// Dispatches what arrives while the virtual clock moves on, a millisecond at a time.
inline void RunFor(DWORD milliseconds) {
    for (DWORD i = 0; i < milliseconds; ++i) {
        Pump();
        platform::testing::AdvanceClock(1);
    }
    Pump();
}

inline WNDCLASSA AudioClass() {
    WNDCLASSA info{};
    GetClassInfoA(GetModuleHandleA(nullptr), "mAudio", &info);
    return info;
}

inline bool AudioClassExists() {
    WNDCLASSA info{};
    return GetClassInfoA(GetModuleHandleA(nullptr), "mAudio", &info) != FALSE;
}

} // namespace wave_test
