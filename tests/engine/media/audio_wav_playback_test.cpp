// Playing wave sounds through the ring of buffers: the committed files come out as ffmpeg
// reads them, from memory and from files, in one pass, several or endlessly; pause, resume
// and stop; the notify window and its class.
#include "tests/engine/media/wave_fixture.h"

namespace {

using namespace wave_test;

Bytes Repeated(const Bytes& data, int times) {
    Bytes out;
    for (int i = 0; i < times; ++i)
        out.insert(out.end(), data.begin(), data.end());
    return out;
}

TEST_F(WaveAudio, CommittedSoundsPlayAsFfmpegReadsThem) {
    for (const std::string& name : CommittedSounds()) {
        SCOPED_TRACE(name);
        platform::testing::UseAudioDevice(platform::testing::AudioDevice::null);
        Bytes expected = SourceTreeBytes(CommittedPath(name, ".pcm"));
        ASSERT_FALSE(expected.empty());
        for (bool fromFile : {false, true}) {
            size_t before = Consumed().size();
            Sound sound;
            if (fromFile) {
                ASSERT_EQ(sound.Open(SourceTreePath(CommittedPath(name, ".wav")).c_str(), 0), 1);
                sound.SetBuffering(10, 3); // many refills straight from the file
            } else {
                OpenOver(sound, SourceTreeBytes(CommittedPath(name, ".wav")));
            }
            ASSERT_EQ(sound.Play(0, 1), 1);
            PlayToEnd(sound);
            EXPECT_EQ(Bytes(Consumed().begin() + long(before), Consumed().end()), expected);
            EXPECT_EQ(sound.rateInfo->dataBytes, expected.size());
        }
    }
    EXPECT_TRUE(platform::testing::TakeMessageBoxes().empty());
}

TEST_F(WaveAudio, TheRightFormatReachesTheDevice) {
    Sound sound;
    OpenOver(sound, SourceTreeBytes(CommittedPath("s16_22050_stereo", ".wav")));
    ASSERT_EQ(sound.Play(0, 1), 1);
    const WAVEFORMATEX& opened = platform::testing::NullAudioOpened().back();
    EXPECT_EQ(opened.nSamplesPerSec, 22050u);
    EXPECT_EQ(opened.wBitsPerSample, 16);
    EXPECT_EQ(opened.nChannels, 2);
    EXPECT_EQ(sound.rateInfo->rate, 22050u);
    EXPECT_EQ(sound.rateInfo->bitsPerUnit, 16u);
    EXPECT_EQ(sound.rateInfo->channels, 2u);
    sound.Stop();
}

TEST_F(WaveAudio, ShortSoundGetsOneBufferThatTakesItAll) {
    Sound sound;
    OpenOver(sound, WaveFile(1, 22050, 8, SoundData(10000)));
    ASSERT_EQ(sound.Play(0, 1), 1);
    EXPECT_EQ(sound.RingSize(), 1);
    EXPECT_EQ(sound.CurrentLength(), 10000u);
    EXPECT_EQ(sound.BytesLeft(), 0u);
    PlayToEnd(sound);
    EXPECT_EQ(Consumed(), SoundData(10000));
}

TEST_F(WaveAudio, LongSoundCyclesThroughTheWholeRing) {
    Sound sound;
    OpenOver(sound, WaveFile(1, 11025, 8, SoundData(50001)));
    ASSERT_EQ(sound.Play(0, 1), 1);
    EXPECT_EQ(sound.RingSize(), 2);
    PlayToEnd(sound);
    EXPECT_EQ(Consumed(), SoundData(50001));
    EXPECT_EQ(platform::testing::LiveGlobalBlocks(), blocksBefore + 1) << "only the format";
}

TEST_F(WaveAudio, PassesRepeatTheDataAndZeroRepeatsUntilStopped) {
    Bytes data = SoundData(3000);
    {
        Sound sound;
        OpenOver(sound, WaveFile(1, 11025, 8, data));
        ASSERT_EQ(sound.Play(0, 3), 1);
        PlayToEnd(sound);
        EXPECT_EQ(Consumed(), Repeated(data, 3));
    }
    platform::testing::UseAudioDevice(platform::testing::AudioDevice::null);
    Sound endless;
    OpenOver(endless, WaveFile(1, 11025, 8, data));
    ASSERT_EQ(endless.Play(0, 0), 1);
    RunFor(3000); // about eleven passes
    EXPECT_EQ(endless.mediaInfo->playing, 1u);
    EXPECT_EQ(endless.Stop(), 1);
    EXPECT_EQ(endless.mediaInfo->playing, 0u);
    EXPECT_GE(Consumed().size(), data.size() * 10);
    Bytes passes = Repeated(data, 12);
    passes.resize(Consumed().size());
    EXPECT_EQ(Consumed(), passes);
}

TEST_F(WaveAudio, DurationAndPositionChooseThePartPlayed) {
    Bytes data = SoundData(4000);
    Sound sound;
    OpenOver(sound, WaveFile(1, 1000, 8, data)); // a byte a millisecond
    EXPECT_EQ(sound.MovePlayPosition(1000, 0), 1000);
    ASSERT_EQ(sound.Play(500, 2), 1);
    PlayToEnd(sound);
    Bytes part(data.begin() + 1000, data.begin() + 1500);
    EXPECT_EQ(Consumed(), Repeated(part, 2));
    EXPECT_EQ(sound.mediaInfo->playPosition, 0u) << "closing rewinds";
}

TEST_F(WaveAudio, LastBufferComesBackWhenItsLastByteIsDue) {
    Sound sound;
    OpenOver(sound, WaveFile(1, 22050, 16, SoundData(4002))); // 90.7 ms
    DWORD start = GetTickCount();
    ASSERT_EQ(sound.Play(0, 1), 1);
    RunFor(90);
    EXPECT_EQ(sound.mediaInfo->playing, 1u);
    RunFor(1);
    EXPECT_EQ(sound.mediaInfo->playing, 0u);
    EXPECT_EQ(GetTickCount() - start, 91u);
}

TEST_F(WaveAudio, PauseHoldsTheSoundAndPlayResumesIt) {
    Sound sound;
    OpenOver(sound, WaveFile(1, 1000, 8, SoundData(100)));
    EXPECT_EQ(sound.Pause(), 0) << "not playing";
    EXPECT_EQ(sound.Stop(), 1);
    ASSERT_EQ(sound.Play(0, 1), 1);
    EXPECT_EQ(sound.Play(0, 1), 0) << "already playing";
    RunFor(30);
    EXPECT_EQ(sound.Pause(), 1);
    EXPECT_EQ(sound.Pause(), 1);
    EXPECT_EQ(sound.mediaInfo->paused, 1u);
    RunFor(1000);
    EXPECT_EQ(Consumed().size(), 30u);
    EXPECT_EQ(sound.Play(0, 1), 1);
    EXPECT_EQ(sound.mediaInfo->paused, 0u);
    RunFor(70);
    EXPECT_EQ(sound.mediaInfo->playing, 0u);
    EXPECT_EQ(Consumed(), SoundData(100));
}

TEST_F(WaveAudio, StopWhilePausedClosesEverything) {
    Sound sound;
    OpenOver(sound, WaveFile(1, 1000, 8, SoundData(100)));
    ASSERT_EQ(sound.Play(0, 1), 1);
    HWND window = sound.NotifyWindow();
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(AudioClass().lpfnWndProc != nullptr, true);
    EXPECT_EQ(AudioClass().hbrBackground, GetStockObject(LTGRAY_BRUSH));
    sound.Pause();
    EXPECT_EQ(sound.Stop(), 1);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(AudioClassExists());
    EXPECT_EQ(sound.mediaInfo->playing | sound.mediaInfo->paused, 0u);
    EXPECT_EQ(platform::testing::LiveGlobalBlocks(), blocksBefore + 1) << "only the format";
    RunFor(200);
    EXPECT_EQ(Consumed().size(), 0u);
}

TEST_F(WaveAudio, ClassStaysWhileAnotherSoundStillPlays) {
    Sound shorter, longer;
    Bytes first = WaveFile(1, 1000, 8, SoundData(50));
    Bytes second = WaveFile(1, 1000, 8, SoundData(100));
    ASSERT_EQ(shorter.OpenMemory(first.data(), LONG(first.size())), 1);
    ASSERT_EQ(longer.OpenMemory(second.data(), LONG(second.size())), 1);
    ASSERT_EQ(shorter.Play(0, 1), 1);
    ASSERT_EQ(longer.Play(0, 1), 1);
    RunFor(60);
    EXPECT_EQ(shorter.mediaInfo->playing, 0u);
    EXPECT_EQ(longer.mediaInfo->playing, 1u);
    EXPECT_TRUE(AudioClassExists());
    RunFor(50);
    EXPECT_EQ(longer.mediaInfo->playing, 0u);
    EXPECT_FALSE(AudioClassExists());
}

TEST_F(WaveAudio, DeletingAPlayingSoundLeavesNothingBehind) {
    HWND window;
    {
        Sound sound;
        OpenOver(sound, WaveFile(1, 1000, 8, SoundData(100)));
        ASSERT_EQ(sound.Play(0, 0), 1);
        window = sound.NotifyWindow();
        RunFor(10);
    }
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(platform::testing::LiveGlobalBlocks(), blocksBefore);
    EXPECT_TRUE(platform::testing::TakeMessageBoxes().empty()) << "stream closed, not warned";
}

TEST_F(WaveAudio, ReleaseWhilePlayingWaitsForTheEnd) {
    Sound sound;
    OpenOver(sound, WaveFile(1, 1000, 8, SoundData(40)));
    ASSERT_EQ(sound.Play(0, 1), 1);
    sound.ReleaseFormat();
    EXPECT_TRUE(sound.ReleasePending());
    EXPECT_NE(sound.Format(), nullptr);
    PlayToEnd(sound);
    EXPECT_FALSE(sound.ReleasePending());
    EXPECT_EQ(sound.Format(), nullptr);
    EXPECT_EQ(sound.State()->open, 0);
    EXPECT_EQ(Consumed(), SoundData(40));
}

TEST_F(WaveAudio, RingThatCannotBeAllocatedClosesQuietly) {
    Sound sound;
    OpenOver(sound, WaveFile(1, 1000, 8, SoundData(100)));
    ASSERT_EQ(sound.ReadFormat(0), 1);
    size_t withFormat = platform::testing::LiveGlobalBlocks();
    platform::testing::FailNextGlobalAllocs(1);
    EXPECT_EQ(sound.Play(0, 1), 0);
    EXPECT_EQ(sound.mediaInfo->playing, 0u);
    EXPECT_FALSE(AudioClassExists());
    EXPECT_EQ(platform::testing::LiveGlobalBlocks(), withFormat);
    EXPECT_TRUE(platform::testing::TakeMessageBoxes().empty());
    EXPECT_EQ(sound.Play(0, 1), 1) << "and plays once memory is there";
    PlayToEnd(sound);
}

} // namespace
