// The real path: mAudioWAV through wave-out and SDL's audio thread, with SDL's disk driver
// writing what the device was fed to a file, on the real clock.
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/engine/media/wave_fixture.h"

namespace {

using namespace wave_test;

class SdlDiskAudio : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
        setenv("SDL_DISKAUDIODELAY", "2", 1);
        platform::testing::UseAudioDevice(platform::testing::AudioDevice::sdl);
    }

    void TearDown() override {
        platform::testing::UseAudioDevice(platform::testing::AudioDevice::null);
        unsetenv("SDL_AUDIODRIVER");
        unsetenv("SDL_DISKAUDIOFILE");
        unsetenv("SDL_DISKAUDIODELAY");
        std::remove(output.c_str());
    }

    Bytes Written() {
        std::ifstream in(output, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    const std::string output = ::testing::TempDir() + "lumaris_disk_audio.raw";
};

TEST_F(SdlDiskAudio, TheDeviceIsFedExactlyTheSoundsData) {
    ASSERT_EQ(waveOutGetNumDevs(), 1u) << "SDL's disk driver did not start";
    for (const char* name : {"u8_11025_mono", "s16_44100_stereo"}) {
        SCOPED_TRACE(name);
        Bytes expected = SourceTreeBytes(CommittedPath(name, ".pcm"));
        {
            Sound sound;
            ASSERT_EQ(sound.Open(SourceTreePath(CommittedPath(name, ".wav")).c_str(), 0), 1);
            ASSERT_EQ(sound.Play(0, 1), 1);
            PlayToEnd(sound);
        }
        // Silence may come before and after; the data itself comes whole.
        Bytes written = Written();
        EXPECT_NE(std::search(written.begin(), written.end(), expected.begin(), expected.end()),
                  written.end());
    }
}

} // namespace
