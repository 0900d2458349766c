// A movie played the way lumaris-media plays one: a sprite on a stage, not looping, catching
// up, its colours imposed on the stage, and its sound on the null device under the virtual
// clock. Every frame reaches the stage in order, the whole sound reaches the device once, and
// both end.
#include "engine/core/mSpriteImage.h"
#include "platform/testing/audio.h"
#include "tests/engine/core/stage_fixture.h"
#include "tests/engine/media/avi_test_support.h"

#include <set>

namespace {

using namespace avi_test;

class MovieOnStage : public StageTest {
protected:
    void SetUp() override {
        StageTest::SetUp();
        platform::testing::UseAudioDevice(platform::testing::AudioDevice::null);
    }

    static void Pump() {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
    }

    // The stage's picture is frame n of the reference.
    bool StageShows(const ReferenceFrames& reference, LONG n) const {
        for (LONG y = 0; y < reference.height; ++y) {
            const BYTE* row = stage->info->topRow + y * stage->info->pitch;
            if (std::memcmp(row, reference.Pixels(n) + y * reference.width,
                            size_t(reference.width)) != 0)
                return false;
        }
        return true;
    }
};

TEST_F(MovieOnStage, PlaysOnceWithItsWholeSoundThenEnds) {
    Bytes file = Movie("uncompressed_sound.avi");
    const Bytes sound = ChunkData(file, "01wb");
    ReferenceFrames reference{64, 48, Movie("uncompressed_sound.pal8")};
    MakeStage(64, 48);
    auto* movie = new mImageAVI;
    movie->OpenMemory(file.data(), LONG(file.size()));
    mSpriteImage sprite;
    sprite.SetImage(movie);
    sprite.SetImageRemap(0);
    sprite.SetLoop(FALSE);
    sprite.SetCatchUp(TRUE);
    sprite.SetPosition(0, 0, 1);
    const size_t consumedBefore = platform::testing::NullAudioConsumed().size();
    stage->AddRenderer(&sprite); // starts the sound
    ASSERT_TRUE(movie->mediaInfo->playing);

    std::vector<LONG> shown;
    const LONG last = reference.Count() - 1;
    // Well past the movie's second, a millisecond at a time, until picture and sound end.
    for (int ms = 0; ms < 5000; ++ms) {
        stage->Update();
        Pump();
        for (LONG n = shown.empty() ? 0 : shown.back() + 1; n <= last; ++n)
            if (StageShows(reference, n)) shown.push_back(n);
        if (sprite.period == 0 && !movie->mediaInfo->playing) break;
        platform::testing::AdvanceClock(1);
    }
    std::vector<LONG> every(size_t(reference.Count()));
    for (LONG n = 0; n <= last; ++n)
        every[size_t(n)] = n;
    EXPECT_EQ(shown, every);
    EXPECT_EQ(LONG(sprite.frame), last); // it stands on its last frame instead of looping
    EXPECT_EQ(sprite.period, 0u);
    EXPECT_FALSE(movie->mediaInfo->playing);
    const std::vector<BYTE>& consumed = platform::testing::NullAudioConsumed();
    ASSERT_EQ(consumed.size() - consumedBefore, sound.size());
    EXPECT_TRUE(std::equal(sound.begin(), sound.end(), consumed.begin() + long(consumedBefore)));
    // The movie's colours are the stage's.
    for (int i : {10, 100, 245})
        EXPECT_EQ(stage->info->colours[i].rgbRed, reference.Colour(last, i).rgbRed) << i;
    stage->RemoveRenderer(&sprite);
    EXPECT_TRUE(platform::testing::TakeMessageBoxes().empty());
}

} // namespace
