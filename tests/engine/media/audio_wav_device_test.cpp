// A wave sound on whatever device the system has (the real one under Windows or Wine): it
// plays to its end with its notify window and class only while it plays, pauses, resumes and
// stops, and where there is no device at all it simply does not play.
#include "tests/engine/media/wave_test_support.h"

namespace {

using namespace wave_test;

bool AudioClassExists() {
    WNDCLASSA info{};
    return GetClassInfoA(GetModuleHandleA(nullptr), "mAudio", &info) != FALSE;
}

TEST(WaveAudioDevice, PlaysToItsEndOrNotAtAllWithoutADevice) {
    mAudioWAV sound;
    ASSERT_EQ(sound.Open(SourceTreePath(CommittedPath("s16_22050_mono", ".wav")).c_str(), 0), 1);
    if (sound.mediaInfo->deviceCount == 0) {
        EXPECT_EQ(sound.mediaInfo->formatTag, 0u);
        EXPECT_EQ(sound.Play(0, 1), 0);
        return;
    }
    EXPECT_EQ(sound.mediaInfo->formatTag, kWaveTag);
    ASSERT_EQ(sound.Play(0, 2), 1);
    EXPECT_TRUE(AudioClassExists());
    PlayToEnd(sound);
    EXPECT_FALSE(AudioClassExists());
    EXPECT_EQ(sound.mediaInfo->playPosition, 0u);
    EXPECT_EQ(sound.rateInfo->dataBytes, 4002u);
}

TEST(WaveAudioDevice, PausesResumesAndStops) {
    mAudioWAV sound;
    ASSERT_EQ(sound.Open(SourceTreePath(CommittedPath("u8_11025_stereo", ".wav")).c_str(), 0), 1);
    if (sound.mediaInfo->deviceCount == 0 || !sound.Play(0, 0)) GTEST_SKIP() << "no device";
    EXPECT_EQ(sound.Pause(), 1);
    EXPECT_EQ(sound.Pause(), 1);
    EXPECT_EQ(sound.Play(0, 0), 1) << "resumes";
    EXPECT_EQ(sound.mediaInfo->paused, 0u);
    EXPECT_EQ(sound.Play(0, 0), 0);
    EXPECT_EQ(sound.Stop(), 1);
    EXPECT_EQ(sound.mediaInfo->playing, 0u);
    EXPECT_FALSE(AudioClassExists());
    EXPECT_EQ(sound.Stop(), 1);
}

} // namespace
