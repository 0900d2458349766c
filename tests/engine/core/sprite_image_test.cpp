// Image sprites over a shared stand-in animation: looping and stopping, catch-up timing,
// what standing still redraws, shared frames, holds on the image and the palette rule.
#include "stage_fixture.h"

#include "engine/core/mSpriteImage.h"
#include "sprite_fakes.h"

namespace {

class SpriteImageTest : public StageTest {
protected:
    void SetUp() override {
        StageTest::SetUp();
        MakeStage(320, 200);
        image = new FakeImage(180, 20, 10, 30, &imageGone);
    }
    void TearDown() override {
        DestroySprites();
        StageTest::TearDown();
    }
    void DestroySprites() {
        delete first;
        delete second;
        first = second = nullptr;
    }
    mSpriteImage* Place(LONG x, LONG y) {
        auto* sprite = new mSpriteImage;
        sprite->SetImage(image);
        sprite->SetImageRemap(TRUE);
        sprite->SetPosition(x, y, 1);
        stage->AddRenderer(sprite);
        return sprite;
    }
    BYTE StagePixel(int x, int y) const { return stage->info->topRow[y * stage->info->pitch + x]; }

    bool imageGone = false;
    FakeImage* image = nullptr;
    mSpriteImage* first = nullptr;
    mSpriteImage* second = nullptr;
};

TEST_F(SpriteImageTest, LoopingWrapsAndAStoppedAnimationIsNoLongerTimed) {
    first = Place(0, 0);
    first->frame = 179;
    first->Tick(0);
    EXPECT_EQ(0u, first->frame);
    EXPECT_EQ(30u, first->period);

    first->SetLoop(FALSE);
    first->frame = 179;
    first->Tick(0);
    EXPECT_EQ(179u, first->frame);
    EXPECT_EQ(179, image->seeks.back());
    EXPECT_EQ(0u, first->period);
    EXPECT_EQ(0u, stage->Update());
}

TEST_F(SpriteImageTest, CatchUpAndSpeedSetTheNextPeriod) {
    first = Place(0, 0);
    first->SetCatchUp(TRUE);
    first->Tick(70);
    EXPECT_EQ(3u, first->frame);
    EXPECT_EQ(20u, first->period) << "the next tick comes sooner by the rest";
    first->SetSpeed(200);
    first->Tick(0);
    EXPECT_EQ(15u, first->period) << "the frame time at twice the speed";
}

TEST_F(SpriteImageTest, StandingStillRedrawsOnlyTheChangedPartOfTheFrame) {
    first = Place(100, 50);
    stage->Present();
    image->nextChanged = {4, 2, 9, 5};
    first->Tick(0);
    EXPECT_EQ((std::vector<RECT>{{104, 52, 112, 55}}), Areas());
    stage->Present();
    first->MoveBy(1, 0, 0);
    EXPECT_EQ((std::vector<RECT>{{100, 50, 124, 60}}), Areas()) << "old and new frame rects";
    first->SetPosition(first->x, first->y, -1);
    EXPECT_EQ(1, first->z) << "a depth of 0 or less keeps it";
    first->SetOrigin(10, 5);
    EXPECT_EQ((RECT{91, 45, 111, 55}), first->rect);
}

TEST_F(SpriteImageTest, SpritesSharingAnImageEachDrawTheirOwnFrame) {
    first = Place(0, 0);
    second = Place(40, 0);
    first->frame = 10;
    second->frame = 50;
    stage->Invalidate(RECT{0, 0, 100, 20});
    stage->Compose();
    EXPECT_EQ(10, StagePixel(5, 5));
    EXPECT_EQ(50, StagePixel(45, 5));
    EXPECT_EQ(0, StagePixel(30, 5)) << "background between them";
}

TEST_F(SpriteImageTest, HoldsOnTheImageAndItsTarget) {
    first = Place(0, 0);
    second = Place(40, 0);
    EXPECT_EQ(2, image->useCount);
    EXPECT_EQ(stage, image->Target());
    first->SetImage(image);
    EXPECT_EQ(2, image->useCount) << "giving the image already held keeps it";
    stage->RemoveRenderer(first);
    EXPECT_EQ(stage, image->Target()) << "still shown by the other sprite";
    delete second;
    second = nullptr;
    EXPECT_FALSE(imageGone);
    EXPECT_EQ(1, image->useCount);
    stage->AddRenderer(first);
    stage->RemoveRenderer(first);
    EXPECT_EQ(nullptr, image->Target()) << "the only holder gives the target back";
    delete first;
    first = nullptr;
    EXPECT_TRUE(imageGone);
    EXPECT_TRUE(platform::testing::TakeMessageBoxes().empty());
}

// All sprites leave a destroyed stage at once; the shared image must not keep holding it.
TEST_F(SpriteImageTest, DestroyedStageLeavesSpritesAndTheirSharedImageSafe) {
    first = Place(0, 0);
    second = Place(40, 0);
    delete stage;
    stage = nullptr;
    EXPECT_EQ(nullptr, image->Target());
    EXPECT_EQ(nullptr, first->director);
    EXPECT_EQ(0, second->useCount);
    DestroySprites();
    EXPECT_TRUE(imageGone);
    EXPECT_TRUE(platform::testing::TakeMessageBoxes().empty());
}

TEST_F(SpriteImageTest, ImageThatIsNotRemappedImposesItsColours) {
    first = Place(0, 0);
    image->OfferPalette({10, 20, 30, 0});
    first->Tick(0);
    EXPECT_NE(30, stage->info->colours[100].rgbRed) << "remapped images keep the stage's";
    first->SetImageRemap(FALSE);
    image->OfferPalette({10, 20, 30, 0});
    first->Tick(0);
    EXPECT_EQ(30, stage->info->colours[100].rgbRed);
    EXPECT_EQ(10, stage->info->colours[100].rgbBlue);
}

} // namespace
