// What a wave sound learns from its device and its file: the best format and the volume
// controls, the format and data of RIFF files and bare formats, positions, and the reports.
#include "engine/media/WaveFormat.h"
#include "tests/engine/media/wave_fixture.h"

namespace {

using namespace wave_test;
using platform::testing::AudioDevice;

TEST_F(WaveAudio, DeviceGivesTheBestFormatItOffersAndItsVolume) {
    waveOutSetVolume(nullptr, 0x12345678);
    Sound sound;
    EXPECT_EQ(sound.mediaInfo->formatTag, kWaveTag);
    EXPECT_EQ(sound.mediaInfo->deviceCount, 1u);
    EXPECT_EQ(sound.mediaInfo->device, -1);
    EXPECT_EQ(sound.mediaInfo->bestRate, 44100u);
    EXPECT_EQ(sound.mediaInfo->bestBits, 16u);
    EXPECT_EQ(sound.mediaInfo->bestChannels, 2u);
    EXPECT_EQ(sound.mediaInfo->volumeCaps, 3u);
    EXPECT_EQ(sound.mediaInfo->volume, 0x12345678u);
    EXPECT_EQ(sound.mediaInfo->length, 1);
    EXPECT_EQ(sound.mediaInfo->position, 0);

    platform::testing::SetNullAudioCapabilities(WAVE_FORMAT_1M08 | WAVE_FORMAT_2S16, 0);
    Sound modest;
    EXPECT_EQ(modest.mediaInfo->bestRate, 22050u);
    EXPECT_EQ(modest.mediaInfo->bestBits, 16u);
    EXPECT_EQ(modest.mediaInfo->bestChannels, 2u);
    EXPECT_EQ(modest.mediaInfo->volumeCaps, 0u);
    EXPECT_EQ(modest.SetVolume(1, 2), 0) << "no volume control";
}

TEST_F(WaveAudio, VolumeIsSetAsTheDeviceTakesIt) {
    Sound stereo;
    EXPECT_EQ(stereo.SetVolume(0x18000, 0x4000), 1);
    DWORD device = 0;
    waveOutGetVolume(nullptr, &device);
    EXPECT_EQ(device, 0x40008000u) << "each taken as 16 bits";
    EXPECT_EQ(stereo.mediaInfo->volume, 0x40008000u);

    platform::testing::SetNullAudioCapabilities(0xFFF, WAVECAPS_VOLUME);
    Sound single;
    EXPECT_EQ(single.SetVolume(0x8000, 0x4000), 1);
    waveOutGetVolume(nullptr, &device);
    EXPECT_EQ(device, 0x6000u);
    EXPECT_EQ(single.mediaInfo->volume, 0x60006000u) << "right follows left";
}

TEST_F(WaveAudio, WithoutAnyDeviceNothingPlays) {
    platform::testing::UseAudioDevice(AudioDevice::none);
    Sound sound;
    EXPECT_EQ(sound.mediaInfo->formatTag, 0u);
    EXPECT_EQ(sound.mediaInfo->deviceCount, 0u);
    OpenOver(sound, WaveFile(1, 11025, 8, SoundData(100)));
    EXPECT_EQ(sound.Play(0, 1), 0);
    EXPECT_EQ(sound.SetVolume(1, 1), 0);
    EXPECT_TRUE(platform::testing::TakeMessageBoxes().empty());
}

TEST_F(WaveAudio, RiffFormatGivesRatesLengthsAndDataStart) {
    Sound sound;
    OpenOver(sound, WaveFile(2, 22050, 16, SoundData(8820)));
    ASSERT_EQ(sound.ReadFormat(0), 1);
    EXPECT_EQ(sound.Format()->nSamplesPerSec, 22050u);
    EXPECT_EQ(sound.rateInfo->dataBytes, 8820u);
    EXPECT_EQ(sound.rateInfo->lengthUnits, 4410u);
    EXPECT_EQ(sound.rateInfo->lengthMs, 100u);
    EXPECT_EQ(sound.mediaInfo->playPosition, 0u);
}

TEST_F(WaveAudio, BareFormatHasNoKnownLength) {
    Sound sound;
    Bytes bare = FormatBytes(1, 11025, 8);
    Bytes data = SoundData(300);
    bare.insert(bare.end(), data.begin(), data.end());
    OpenOver(sound, bare);
    ASSERT_EQ(sound.ReadFormat(0), 1);
    EXPECT_EQ(sound.Format()->nSamplesPerSec, 11025u);
    EXPECT_EQ(sound.rateInfo->dataBytes, 0xFFFFFFFFu);
    EXPECT_EQ(sound.rateInfo->lengthMs, 0u);
    Bytes read(300);
    sound.SetTimeFormat(timeBytes);
    EXPECT_EQ(sound.ReadData(read.data(), 300), 300) << "the data follows the format";
    EXPECT_EQ(read, data);
}

TEST_F(WaveAudio, MissingChunksLoadNoFormat) {
    Sound noData, noFormat;
    OpenOver(noData, stream_test::Form("RIFF", "WAVE",
                                       {stream_test::Chunk("fmt ", FormatBytes(1, 8000, 8))}));
    EXPECT_EQ(noData.ReadFormat(0), 0);
    EXPECT_EQ(noData.Format(), nullptr);
    Bytes other = stream_test::Form("RIFF", "WAVE", {stream_test::Chunk("data", SoundData(4))});
    ASSERT_EQ(noFormat.OpenMemory(other.data(), LONG(other.size())), 1);
    EXPECT_EQ(noFormat.ReadFormat(0), 0);
    EXPECT_EQ(noFormat.Play(0, 1), 0);
    Sound closed;
    EXPECT_EQ(closed.ReadFormat(0), 0);
}

TEST_F(WaveAudio, ShortOrOversizedFormatChunksStayInsideTheirBlock) {
    EXPECT_EQ(WaveFormatBlockSize(2), sizeof(WAVEFORMATEX));
    EXPECT_EQ(WaveFormatBlockSize(0xFFFFFFF0), sizeof(WAVEFORMATEX) + 0xFFFF);
    BYTE two[2] = {1, 0};
    WAVEFORMATEX fields = ReadWaveFormat(two, 2);
    EXPECT_EQ(fields.wFormatTag, 1);
    EXPECT_EQ(fields.nSamplesPerSec, 0u);

    Sound sound;
    OpenOver(sound, WaveFile(Bytes{1, 0, 1, 0}, SoundData(10)));
    ASSERT_EQ(sound.ReadFormat(0), 1);
    EXPECT_EQ(sound.Format()->nSamplesPerSec, 0u);
    EXPECT_EQ(sound.Play(0, 1), 0) << "the device refuses it";
    EXPECT_FALSE(AudioClassExists());

    Sound lying;
    OpenOver(lying,
             stream_test::Form("RIFF", "WAVE",
                               {stream_test::Chunk("fmt ", FormatBytes(1, 8000, 8), 0x7FFFFFF0)}));
    EXPECT_EQ(lying.ReadFormat(0), 0) << "no data chunk after it";
    EXPECT_TRUE(platform::testing::TakeMessageBoxes().empty()) << "no gigabyte asked for";
}

TEST_F(WaveAudio, DataChunkLongerThanTheFilePlaysWhatIsThere) {
    Bytes file = stream_test::Form("RIFF", "WAVE",
                                   {stream_test::Chunk("fmt ", FormatBytes(1, 1000, 8)),
                                    stream_test::Chunk("data", SoundData(50), 100000)});
    Sound sound;
    OpenOver(sound, file);
    ASSERT_EQ(sound.ReadFormat(0), 1);
    EXPECT_EQ(sound.rateInfo->dataBytes, 50u);
    EXPECT_EQ(sound.rateInfo->lengthMs, 50u);
    ASSERT_EQ(sound.Play(0, 1), 1);
    PlayToEnd(sound);
    EXPECT_EQ(Consumed(), SoundData(50));
    EXPECT_TRUE(platform::testing::TakeMessageBoxes().empty());
}

TEST_F(WaveAudio, PlayPositionMovesOnlyWhileStoppedAndStaysInTheData) {
    Sound sound;
    OpenOver(sound, WaveFile(1, 22050, 16, SoundData(44100)));
    EXPECT_EQ(sound.MovePlayPosition(500, 0), 500) << "loads the format first";
    EXPECT_EQ(sound.mediaInfo->playPosition, 22050u);
    EXPECT_EQ(sound.MovePlayPosition(100, 1), 600);
    EXPECT_EQ(sound.MovePlayPosition(250, 2), 749) << "250 ms rounded up to whole units";
    EXPECT_EQ(sound.MovePlayPosition(5000, 0), 1000) << "the end of the data";
    EXPECT_EQ(sound.mediaInfo->playPosition, 44100u);
    EXPECT_EQ(sound.Play(0, 1), 0) << "nothing left to play";
    EXPECT_FALSE(AudioClassExists());
    EXPECT_EQ(sound.SetPlayPosition(123), 0);
    EXPECT_EQ(sound.mediaInfo->playPosition, 0u);
    ASSERT_EQ(sound.Play(0, 1), 1);
    EXPECT_EQ(sound.MovePlayPosition(10, 0), 0) << "while playing";
    sound.Stop();
}

TEST_F(WaveAudio, ReportsNameTheClassAndTheFailure) {
    Sound sound;
    EXPECT_EQ(sound.WriteFormat(0), 0);
    OpenOver(sound, WaveFile(1, 8000, 8, SoundData(10)));
    platform::testing::FailNextGlobalAllocs(1);
    EXPECT_EQ(sound.ReadFormat(0), 0);
    auto boxes = platform::testing::TakeMessageBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].caption, "mAudioWAV");
    EXPECT_NE(boxes[0].text.find("Not implemented"), std::string::npos);
    EXPECT_NE(boxes[1].text.find("Out of memory"), std::string::npos);
    EXPECT_EQ(sound.Format(), nullptr);
    EXPECT_EQ(platform::testing::LiveGlobalBlocks(), blocksBefore);
}

TEST_F(WaveAudio, DataPassesThroughInTheTimeFormat) {
    Sound sound;
    OpenOver(sound, WaveFile(1, 1000, 8, SoundData(100)));
    ASSERT_EQ(sound.ReadFormat(0), 1);
    Bytes read(20);
    EXPECT_EQ(sound.ReadData(read.data(), 20), 20) << "20 ms of a byte a millisecond";
    EXPECT_EQ(read, SoundData(20));
    sound.SetTimeFormat(timeUnits);
    EXPECT_EQ(sound.WriteData(read.data(), 0), 0);
    sound.SetBuffering(7, 0);
    EXPECT_EQ(sound.Play(0, 1), 1) << "at least one buffer, of 8 bytes";
    PlayToEnd(sound);
}

} // namespace
