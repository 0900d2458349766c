// Sounds for the wave-audio tests: RIFF WAVE images built in memory, the committed test set
// with ffmpeg's reading of its data, and a message loop that runs playback to its end.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/media/mAudioWAV.h"
#include "tests/engine/media/stream_test_data.h"
#include "tests/support/source_tree.h"

namespace wave_test {

using stream_test::Bytes;

inline Bytes FormatBytes(WORD channels, DWORD rate, WORD bits) {
    WORD block = WORD(channels * bits / 8);
    WAVEFORMATEX format{WAVE_FORMAT_PCM, channels, rate, rate * block, block, bits, 0};
    const BYTE* raw = reinterpret_cast<const BYTE*>(&format);
    return Bytes(raw, raw + 16); // the 16-byte PCM form files carry
}

// Neighbouring samples differ, so a dropped or repeated byte shows.
inline Bytes SoundData(size_t length) {
    return stream_test::Pattern(length);
}

inline Bytes WaveFile(const Bytes& format, const Bytes& data) {
    return stream_test::Form(
        "RIFF", "WAVE", {stream_test::Chunk("fmt ", format), stream_test::Chunk("data", data)});
}

inline Bytes WaveFile(WORD channels, DWORD rate, WORD bits, const Bytes& data) {
    return WaveFile(FormatBytes(channels, rate, bits), data);
}

// The committed set: u8 and s16, 11025/22050/44100 Hz, mono and stereo.
inline std::vector<std::string> CommittedSounds() {
    std::vector<std::string> names;
    for (const char* sample : {"u8", "s16"})
        for (const char* rate : {"11025", "22050", "44100"})
            for (const char* layout : {"mono", "stereo"})
                names.push_back(std::string(sample) + "_" + rate + "_" + layout);
    return names;
}

inline std::string CommittedPath(const std::string& name, const char* extension) {
    return "tests/engine/media/data/wave/" + name + extension;
}

// Dispatches messages until the sound stops playing (a bounded number, so a sound that
// never ends fails instead of hanging).
inline void PlayToEnd(mAudioWAV& sound, int most = 100000) {
    MSG msg;
    for (int i = 0; i < most && sound.mediaInfo->playing; ++i) {
        if (GetMessageA(&msg, nullptr, 0, 0) <= 0) break;
        DispatchMessageA(&msg);
    }
    EXPECT_EQ(sound.mediaInfo->playing, 0u) << "still playing";
}

} // namespace wave_test
