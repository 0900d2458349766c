// Sprites without a picture: visibility nesting, positions and depth, frame stepping with
// catch-up, speed, sounds and holds.
#include "stage_fixture.h"

#include "engine/core/mRenderSolid.h"
#include "engine/core/mSprite.h"
#include "sprite_fakes.h"

namespace {

class SpriteTest : public StageTest {
protected:
    void SetUp() override {
        StageTest::SetUp();
        MakeStage(200, 100);
        sprite.rect = sprite.hitRect = {10, 10, 30, 30};
        stage->AddRenderer(&sprite);
        stage->Present();
    }
    mSprite sprite;
};

TEST_F(SpriteTest, HidingNestsAndShowingNeverOvershoots) {
    sprite.Show(); // visible already: changes nothing
    EXPECT_EQ(0, sprite.hideCount);
    sprite.Hide();
    sprite.Hide();
    stage->Present();
    sprite.Show();
    EXPECT_TRUE(sprite.state & mSprite::Hidden);
    EXPECT_EQ(1, stage->areaUsed) << "still hidden: nothing to redraw";
    sprite.Show();
    EXPECT_FALSE(sprite.state & mSprite::Hidden);
    EXPECT_EQ((std::vector<RECT>{{8, 10, 32, 30}}), Areas());
    sprite.Show();
    sprite.Hide();
    EXPECT_TRUE(sprite.state & mSprite::Hidden);
}

TEST_F(SpriteTest, CatchUpReplaysTheStepsThatFitIntoTheLateness) {
    sprite.period = 30;
    sprite.Tick(70);
    EXPECT_EQ(1u, sprite.frame);
    sprite.SetCatchUp(TRUE);
    sprite.Tick(70);
    EXPECT_EQ(4u, sprite.frame);
    sprite.Pause();
    sprite.Tick(0);
    EXPECT_EQ(4u, sprite.frame);
}

TEST_F(SpriteTest, SpeedRescalesThePresentPeriodAndZeroStandsStill) {
    sprite.period = 30;
    sprite.SetSpeed(50);
    EXPECT_EQ(60u, sprite.period);
    sprite.SetSpeed(0);
    EXPECT_EQ(0u, sprite.period);
    platform::testing::AdvanceClock(5000);
    EXPECT_EQ(0u, stage->Update()) << "a still sprite is not timed";
    sprite.SetSpeed(100);
    EXPECT_EQ(60u, sprite.period);
    EXPECT_EQ(60u, stage->Update()) << "no burst of ticks for the still time";
}

TEST_F(SpriteTest, SoundsAreHeldNumberedInOrderAndReleasedWithTheSprite) {
    bool firstGone = false, secondGone = false;
    auto* first = new FakeSound(&firstGone);
    auto* second = new FakeSound(&secondGone);
    second->useCount = 1; // someone else holds it too
    {
        mSprite noisy;
        noisy.AddSound(first);
        noisy.AddSound(second);
        EXPECT_EQ(1, first->useCount);
        EXPECT_EQ(0, noisy.PlaySound(2, 0, 1));
        EXPECT_EQ(0, noisy.PlaySound(-1, 0, 1));
        EXPECT_EQ(1, noisy.PlaySound(1, 500, 3));
        EXPECT_EQ((std::vector<std::pair<DWORD, DWORD>>{{500, 3}}), second->played);
        EXPECT_TRUE(first->played.empty());
    }
    EXPECT_TRUE(firstGone);
    EXPECT_FALSE(secondGone);
    EXPECT_EQ(1, second->useCount);
    second->useCount = 0;
    delete second;
}

} // namespace
