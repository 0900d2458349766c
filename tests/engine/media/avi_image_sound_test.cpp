// The AVI image's sound on the null wave-out device: the audio chunks met between the frames
// reach the device in order and whole, from memory and from a file.
#include "tests/engine/media/avi_test_support.h"
#include "tests/engine/media/wave_fixture.h"

namespace {

using avi_test::Bytes;
using avi_test::ChunkData;
using namespace wave_test;

struct SoundCase {
    const char* name;
    bool fromFile;
    LONG framesAtOnce; // a busy machine lets these frames pass before the device plays
};

// The sound reaches the device with its frames, in order and whole; the sound of frames that
// came faster than the device plays waits on the device.
TEST_F(WaveAudio, MovieSoundReachesTheDeviceChunkByChunk) {
    const std::string name = "tests/engine/media/data/movies/uncompressed_sound.avi";
    Bytes file = SourceTreeBytes(name);
    Bytes expected = ChunkData(file, "01wb");
    ASSERT_FALSE(expected.empty());
    for (const SoundCase& run : {SoundCase{"memory", false, 0}, SoundCase{"file", true, 0},
                                 SoundCase{"device behind", false, 5}}) {
        SCOPED_TRACE(run.name);
        size_t before = Consumed().size();
        mImageAVI movie;
        if (run.fromFile)
            ASSERT_EQ(movie.Open(SourceTreePath(name).c_str(), 0), 1);
        else
            movie.OpenMemory(file.data(), LONG(file.size()));
        ASSERT_TRUE(movie.ReadHeader());
        EXPECT_EQ(movie.mediaInfo->formatTag, kWaveTag);
        EXPECT_EQ(movie.rateInfo->rate, 11025u);
        EXPECT_EQ(movie.rateInfo->dataBytes, expected.size());
        mBitmap screen;
        ASSERT_TRUE(screen.Create(64, 48, 8));
        movie.SetTarget(&screen);
        movie.SetAutoAdvance(TRUE);
        ASSERT_EQ(movie.Play(0, 1), 1);
        for (LONG frame = 0; frame < movie.formatInfo->frameCount; ++frame) {
            ASSERT_EQ(movie.Draw(0, 0, nullptr), frame);
            if (frame >= run.framesAtOnce) RunFor(DWORD(movie.playbackInfo->frameTime));
            // The sound stored after the first frame plays with it, not a frame later.
            if (frame == 0 && run.framesAtOnce == 0) {
                EXPECT_GT(Consumed().size(), before);
            }
        }
        RunFor(500 + DWORD(run.framesAtOnce * movie.playbackInfo->frameTime));
        EXPECT_FALSE(movie.mediaInfo->playing);
        ASSERT_EQ(Consumed().size() - before, expected.size());
        EXPECT_TRUE(
            std::equal(expected.begin(), expected.end(), Consumed().begin() + long(before)));
        movie.SetTarget(nullptr);
    }
    EXPECT_TRUE(platform::testing::TakeMessageBoxes().empty());
}

} // namespace
