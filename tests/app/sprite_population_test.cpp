// The scene's sprites on a real stage over the program's FLIC artwork: kinds interleaved by
// depth, one shared image per kind, reproducible placement, and a missing FLIC.
#include "app/SpriteMotion.h"
#include "app/SpritePopulation.h"
#include "engine/core/mSpriteImage.h"
#include "engine/media/mImage.h"
#include "platform/testing/resources.h"
#include "tests/engine/core/stage_fixture.h"
#include "tests/support/source_tree.h"

#include <cstring>
#include <tuple>

namespace {

std::vector<BYTE> Artwork(const char* name) {
    return SourceTreeBytes(std::string("resources/flic/") + name);
}

class Population : public StageTest {
protected:
    void SetUp() override {
        StageTest::SetUp();
        big = Artwork("big.flc");
        small = Artwork("small.flc");
        if (big.empty() || small.empty()) GTEST_SKIP() << "no sprite artwork";
        MakeStage(1024, 768);
        field.screenWidth = 1024;
        field.screenHeight = 768;
        field.random.Seed(12345);
    }
    void TearDown() override {
        if (stage) DestroySprites(field, *stage);
        platform::testing::RemoveResource("flic", MAKEINTRESOURCEA(kBigSpriteResource));
        platform::testing::RemoveResource("flic", MAKEINTRESOURCEA(kSmallSpriteResource));
        StageTest::TearDown();
    }
    void AddArtwork(bool withBig = true) {
        if (withBig)
            platform::testing::AddResource("flic", MAKEINTRESOURCEA(kBigSpriteResource), big);
        platform::testing::AddResource("flic", MAKEINTRESOURCEA(kSmallSpriteResource), small);
    }
    // 'b', 's' or '.' per slot, by the sprite's frame width.
    std::string Kinds() const {
        std::string kinds;
        for (const SpriteSlot& slot : field.slots)
            kinds += !slot.sprite                                     ? '.'
                     : slot.sprite->image->playbackInfo->width == 130 ? 'b'
                                                                      : 's';
        return kinds;
    }

    std::vector<BYTE> big, small;
    SpriteField field;
};

TEST_F(Population, HalfTheSmallSpritesLieBelowTheBigOnes) {
    AddArtwork();
    for (auto [bigs, smalls, kinds] : {std::tuple{3, 5, "sssbbbss"}, {2, 1, "sbb"}, {0, 0, ""}}) {
        field.bigCount = bigs;
        field.smallCount = smalls;
        EXPECT_TRUE(CreateSprites(field, *stage));
        EXPECT_EQ(Kinds(), kinds + std::string(30 - std::strlen(kinds), '.'));
        for (int slot = 0; slot < bigs + smalls; ++slot)
            EXPECT_EQ(field.slots[slot].sprite->z, slot) << "depth is the slot";
        if (bigs == 3) {
            EXPECT_EQ(field.slots[0].sprite->image, field.slots[7].sprite->image);
            EXPECT_EQ(field.slots[3].sprite->image->useCount, 3) << "one image per kind";
        }
        DestroySprites(field, *stage);
        EXPECT_EQ(Kinds(), std::string(30, '.'));
    }
}

TEST_F(Population, PlacementDrawsFortyEightPerSpriteFromOneGenerator) {
    AddArtwork();
    field.bigCount = 1;
    field.smallCount = 0;
    SaverRandom reference;
    reference.Seed(12345);
    ASSERT_TRUE(CreateSprites(field, *stage));
    reference.Discard(10);
    const double x = reference.Draw() * 1024.0 / 32767;
    reference.Discard(10);
    const double y = reference.Draw() * 768.0 / 32767;
    reference.Discard(26);
    EXPECT_EQ(field.random.State(), reference.State());
    EXPECT_EQ(field.slots[0].posX, x);
    EXPECT_EQ(field.slots[0].posY, y);
    EXPECT_EQ(field.slots[0].sprite->originX, 65);

    // Each move hands the stage the picture's centre, in whole pixels.
    MoveSprites(field);
    const SpriteSlot& moved = field.slots[0];
    EXPECT_EQ(moved.sprite->x, LONG(moved.posX) + 65);
    EXPECT_EQ(moved.sprite->y, LONG(moved.posY) + 65);
    EXPECT_EQ(moved.sprite->z, 0);
}

TEST_F(Population, MissingFlicFailsOnlyItsKind) {
    AddArtwork(false);
    field.bigCount = 3;
    field.smallCount = 3;
    EXPECT_FALSE(CreateSprites(field, *stage));
    EXPECT_EQ(Kinds(), "sss" + std::string(27, '.'));
}

} // namespace
