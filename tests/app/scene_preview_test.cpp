// The preview: a desktop-sized stage on a hidden render window, copied scaled into the small
// target window on every frame.
#include <algorithm>

#include "engine/core/mDirector.h"
#include "tests/app/scene_fixture.h"

namespace {

using ScenePreview = SceneTest;

COLORREF StageColour(int x, int y) {
    const mBitmapInfo& stage = *saverScene.stage->info;
    const BYTE index = stage.topRow[y * stage.pitch + x];
    const RGBQUAD& c = stage.colours[index];
    return RGB(c.rgbRed, c.rgbGreen, c.rgbBlue);
}

// Whether a preview pixel shows one of the stage pixels next to the place it scales from.
bool ShowsStageNear(COLORREF shown, int sourceX, int sourceY) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const int x = std::clamp(sourceX + dx, 0, 1023);
            const int y = std::clamp(sourceY + dy, 0, 767);
            if (StageColour(x, y) == shown) return true;
        }
    return false;
}

TEST_F(ScenePreview, TheWholeDesktopSizedStageIsShownScaledInTheSmallWindow) {
    HWND preview = MakePreview();
    ASSERT_TRUE(saverScene.stage);
    EXPECT_FALSE(saverScene.fullScreen);
    ASSERT_TRUE(saverScene.renderWindow);
    EXPECT_FALSE(IsWindowVisible(saverScene.renderWindow));
    EXPECT_EQ(saverScene.stage->info->width, 1024);
    EXPECT_EQ(saverScene.stage->info->height, 768);
    for (int pass = 0; pass < 20; ++pass)
        ASSERT_TRUE(Tick());
    ASSERT_GE(saverScene.previewFrameCounter, 5);

    // Sprites move in desktop coordinates, so some lie beyond the preview's own size.
    bool beyondThePreview = false;
    for (const SpriteSlot& slot : saverScene.field.slots)
        beyondThePreview |= slot.sprite && (slot.posX > 200 || slot.posY > 150);
    EXPECT_TRUE(beyondThePreview);

    const std::vector<COLORREF> shown = platform::testing::ShownClientPixels(preview);
    ASSERT_EQ(shown.size(), 152u * 112u);
    int mismatches = 0;
    int lit = 0;
    for (int y = 0; y < 112; ++y)
        for (int x = 0; x < 152; ++x) {
            const COLORREF pixel = shown[y * 152 + x];
            lit += pixel != StageColour(0, 0);
            mismatches += !ShowsStageNear(pixel, x * 1024 / 152, y * 768 / 112);
        }
    EXPECT_EQ(mismatches, 0);
    EXPECT_GT(lit, 100); // sprites are there, not only the background
}

TEST_F(ScenePreview, TheRenderWindowGoesWithTheScene) {
    MakePreview();
    HWND render = saverScene.renderWindow;
    ASSERT_TRUE(render);
    TearDownScene();
    EXPECT_FALSE(IsWindow(render));
    EXPECT_EQ(saverScene.previewBits, nullptr); // a late paint must not read freed pixels
}

// The class exists already with a procedure that refuses every window.
LRESULT CALLBACK RefuseCreation(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) return FALSE;
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(ScenePreview, ARenderWindowThatCannotBeMadeIsReportedAndEndsTheScene) {
    WNDCLASSA refusing{};
    refusing.lpfnWndProc = RefuseCreation;
    refusing.lpszClassName = "FSCLASS";
    ASSERT_TRUE(RegisterClassA(&refusing));
    WriteSetting(kHueSetting, 200);
    HWND preview = MakePreview();
    const auto boxes = platform::testing::TakeMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Error creating render window.");
    EXPECT_EQ(boxes[0].caption, "Window Error");
    EXPECT_EQ(boxes[0].owner, preview);
    EXPECT_TRUE(saverScene.stopping);
    ASSERT_TRUE(Tick());
    EXPECT_TRUE(QuitPosted());
    SendMessageA(preview, WM_CLOSE, 0, 0); // a hue never read is not stored over the user's
    EXPECT_EQ(ReadSetting(kHueSetting, -1), 200);
}

TEST_F(ScenePreview, OnlyAPaletteDisplayGetsTheStagePalette) {
    MakePreview();
    EXPECT_FALSE(saverScene.paletteMode);
    EXPECT_EQ(saverScene.stagePalette, nullptr);
    TearDownScene();
    platform::testing::ResetWindows();

    platform::testing::SetDisplayClass(platform::DisplayClass::Palette);
    MakePreview();
    EXPECT_TRUE(saverScene.paletteMode);
    ASSERT_TRUE(saverScene.stage);
    EXPECT_EQ(saverScene.stagePalette, saverScene.stage->palette);
    EXPECT_NE(saverScene.stagePalette, nullptr);
    ASSERT_TRUE(Tick());
    EXPECT_EQ(saverScene.previewFrameCounter, 1);
}

// The window the saver is drawn in may be resized by its owner (the daemon's preview box or
// its full-screen window): a preview scales into the new size, a full-screen stage is built
// again at the new size.
TEST_F(ScenePreview, APreviewScalesIntoItsNewSize) {
    HWND preview = MakePreview();
    ASSERT_TRUE(saverScene.stage);
    MoveWindow(preview, 0, 0, 200, 150, TRUE);
    ASSERT_TRUE(Tick());
    EXPECT_EQ(saverScene.clientWidth, 200);
    EXPECT_EQ(saverScene.clientHeight, 150);
    EXPECT_EQ(saverScene.stage->info->width, 1024) << "the stage keeps the desktop's size";
    EXPECT_EQ(platform::testing::ShownClientPixels(preview).size(), 200u * 150u);
}

TEST_F(ScenePreview, AFullScreenStageIsBuiltAgainAtTheNewSize) {
    HWND saver = MakeFullScreen();
    ASSERT_TRUE(saverScene.stage);
    platform::testing::SetDesktopSize(800, 600);
    MoveWindow(saver, 0, 0, 800, 600, TRUE);
    ASSERT_TRUE(saverScene.stage);
    EXPECT_TRUE(saverScene.fullScreen);
    EXPECT_EQ(saverScene.stage->info->width, 800);
    EXPECT_EQ(saverScene.stage->info->height, 600);
    for (const SpriteSlot& slot : saverScene.field.slots)
        EXPECT_TRUE(!slot.sprite || slot.posX < 800) << slot.posX;
    ASSERT_TRUE(Tick());
}

} // namespace
