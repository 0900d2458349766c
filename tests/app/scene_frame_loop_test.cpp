// The scene's life on a window: build on creation, the self-posted tick with its pacing and
// guards, the close with the stored hue, and the tear-down.
#include "engine/core/mDirector.h"
#include "tests/app/scene_fixture.h"

#include <climits>

namespace {

using SceneFrameLoop = SceneTest;

TEST_F(SceneFrameLoop, CreationBuildsAFullScreenSceneOnAnyDesktopSizedWindow) {
    HWND window = MakeFullScreen(); // not the shell's window, yet the desktop's size
    ASSERT_TRUE(window);
    EXPECT_TRUE(saverScene.fullScreen);
    EXPECT_FALSE(saverScene.stopping);
    ASSERT_TRUE(saverScene.stage);
    EXPECT_EQ(saverScene.stage->window, window);
    EXPECT_EQ(saverScene.stage->info->width, 1024);
    EXPECT_EQ(saverScene.renderWindow, nullptr);
    EXPECT_EQ(SpriteCount(), 8); // the default 3 big and 5 small
    EXPECT_EQ(TicksWaiting(), 1);
    EXPECT_TRUE(Tick());
    EXPECT_EQ(FramesDrawn(), 1);
}

TEST_F(SceneFrameLoop, FramesAreThirtyMillisecondsApartAndEarlyTicksOnlySleep) {
    MakeFullScreen();
    std::vector<DWORD> frameTimes;
    for (int pass = 0; pass < 40; ++pass) {
        const int before = FramesDrawn();
        ASSERT_TRUE(Tick());
        if (FramesDrawn() != before) frameTimes.push_back(GetTickCount());
    }
    ASSERT_GE(frameTimes.size(), 10u);
    for (size_t i = 1; i < frameTimes.size(); ++i)
        EXPECT_GE(frameTimes[i] - frameTimes[i - 1], kFramePeriod);

    // Ten milliseconds after a frame: the tick sleeps the other twenty and draws nothing.
    while (FramesDrawn() == int(frameTimes.size()))
        ASSERT_TRUE(Tick());
    platform::testing::AdvanceClock(10);
    const DWORD before = GetTickCount();
    const int frames = FramesDrawn();
    ASSERT_TRUE(Tick());
    EXPECT_EQ(FramesDrawn(), frames);
    EXPECT_EQ(GetTickCount() - before, 20u);
}

TEST_F(SceneFrameLoop, ATickDispatchedInsideAnotherIsIgnoredAndNotReposted) {
    HWND window = MakeFullScreen();
    PostMessageA(window, FrameTick, WPARAM(-1), LPARAM(-1)); // two ticks now circulate
    ASSERT_EQ(TicksWaiting(), 2);
    ASSERT_TRUE(Tick()); // its drain dispatches the second one
    EXPECT_EQ(TicksWaiting(), 1);
    EXPECT_EQ(FramesDrawn(), 1);
}

TEST_F(SceneFrameLoop, CloseTearsDownAndStoresTheAnimatedHue) {
    WriteSetting(kAnimateColourSetting, 1);
    WriteSetting(kHueSetting, 255);
    HWND window = MakeFullScreen();
    ASSERT_TRUE(Tick()); // the first frame steps the hue past 255 to 0
    EXPECT_EQ(saverScene.colours.hue, 0);
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(saverScene.stopping);
    EXPECT_EQ(saverScene.stage, nullptr);
    EXPECT_EQ(ReadSetting(kHueSetting, -1), 0);
}

TEST_F(SceneFrameLoop, AfterTearDownTheNextTickPostsQuitInsteadOfItself) {
    MakeFullScreen();
    TearDownScene();
    TearDownScene(); // close then destruction: the second does nothing
    EXPECT_EQ(saverScene.stage, nullptr);
    EXPECT_EQ(saverScene.headerBitmap, nullptr);
    ASSERT_TRUE(Tick());
    EXPECT_EQ(FramesDrawn(), 0);
    EXPECT_TRUE(QuitPosted());
    EXPECT_FALSE(Tick());
}

TEST_F(SceneFrameLoop, NoSpritesIsNoFailure) {
    WriteSetting(kBigCountSetting, 0);
    WriteSetting(kSmallCountSetting, 0);
    MakeFullScreen();
    EXPECT_FALSE(saverScene.stopping);
    EXPECT_EQ(SpriteCount(), 0);
    ASSERT_TRUE(Tick());
    EXPECT_EQ(FramesDrawn(), 1);
}

// Every stored setting at one end of the integers: clamped or reduced, never overflowing.
class ExtremeSettings : public SceneTest {
protected:
    // Stores `stored` in all six settings, runs twelve frames (two colour steps) and closes.
    void RunTwelveFramesWithEverySettingAt(int stored) {
        for (const char* name : {kBigCountSetting, kSmallCountSetting, kSpeedSetting,
                                 kAnimateColourSetting, kShiftColourSetting, kHueSetting})
            WriteSetting(name, stored);
        HWND window = MakeFullScreen();
        sprites = SpriteCount();
        speed = saverScene.field.moveSpeed;
        for (int frame = 0; frame < 12; ++frame)
            while (FramesDrawn() == frame)
                ASSERT_TRUE(Tick());
        for (const SpriteSlot& slot : saverScene.field.slots)
            EXPECT_TRUE(slot.posX >= 0 && slot.posX <= 1024 && slot.posY >= 0 && slot.posY <= 768);
        SendMessageA(window, WM_CLOSE, 0, 0);
    }

    int sprites = -1, speed = -1;
};

TEST_F(ExtremeSettings, TheLargestIntegerEverywhere) {
    RunTwelveFramesWithEverySettingAt(INT_MAX);
    EXPECT_EQ(sprites, 8) << "10 + 30 breaks the sum rule: 3 + 5";
    EXPECT_EQ(speed, INT_MAX);
    EXPECT_EQ(ReadSetting(kHueSetting, -1), 1) << "stepped past 255 to 0, then to 1";
}

TEST_F(ExtremeSettings, TheSmallestIntegerEverywhere) {
    RunTwelveFramesWithEverySettingAt(INT_MIN);
    EXPECT_EQ(sprites, 0);
    EXPECT_EQ(speed, 1);
    EXPECT_EQ(ReadSetting(kHueSetting, -1), INT_MIN) << "no animation: stored back as read";
}

TEST_F(SceneFrameLoop, AMissingAnimationTearsTheSceneDown) {
    platform::testing::RemoveResource("flic", MAKEINTRESOURCEA(kBigSpriteResource));
    MakeFullScreen();
    EXPECT_TRUE(saverScene.stopping);
    EXPECT_EQ(saverScene.stage, nullptr);
    EXPECT_TRUE(platform::testing::TakeMessageBoxes().empty());
    ASSERT_TRUE(Tick());
    EXPECT_TRUE(QuitPosted());
}

TEST_F(SceneFrameLoop, ARebuildOverALiveSceneReplacesIt) {
    HWND window = MakeFullScreen();
    ASSERT_TRUE(BuildScene(window)); // the first scene's stage and sprites must not linger
    EXPECT_EQ(SpriteCount(), 8);
    ASSERT_TRUE(Tick());
    EXPECT_EQ(FramesDrawn(), 1);
}

} // namespace
