#include "platform/drivers/display/capture.h"
#include "tests/platform/gdi_test_support.h"

namespace {

using gdi_test::FillWindowArea;
using gdi_test::GdiTest;
using platform::testing::DisplayClass;

using HeadlessDisplay = GdiTest;

TEST_F(HeadlessDisplay, CaptureIsTheTopLevelPictureAsShown) {
    HWND top = MakeWindow(100, 50, 6, 4);
    HWND child = MakeWindow(1, 1, 2, 2, top);
    FillWindowArea(top, RECT{0, 0, 6, 4}, RGB(0, 0, 255));
    FillWindowArea(child, RECT{0, 0, 9, 9}, RGB(255, 0, 0));

    platform::CapturedPicture picture;
    ASSERT_TRUE(platform::CaptureTopLevel(top, &picture));
    EXPECT_EQ(picture.width, 6);
    EXPECT_EQ(picture.height, 4);
    EXPECT_EQ(picture.pixels[0], 0x0000FFu);
    EXPECT_EQ(picture.pixels[1 * 6 + 2], 0xFF0000u);
    EXPECT_EQ(picture.pixels[3 * 6 + 3], 0x0000FFu);
    EXPECT_EQ(platform::testing::ShownClientPixels(top)[1 * 6 + 2], RGB(255, 0, 0));

    EXPECT_FALSE(platform::CaptureTopLevel(child, &picture));
    EXPECT_TRUE(picture.pixels.empty());
    DestroyWindow(top);
    EXPECT_FALSE(platform::CaptureTopLevel(top, &picture));
}

TEST_F(HeadlessDisplay, PictureFollowsTheClientSizeAndStartsBlack) {
    HWND top = MakeWindow(0, 0, 4, 4);
    FillWindowArea(top, RECT{0, 0, 4, 4}, RGB(255, 255, 255));
    MoveWindow(top, 10, 10, 8, 3, FALSE);
    platform::CapturedPicture picture;
    ASSERT_TRUE(platform::CaptureTopLevel(top, &picture));
    EXPECT_EQ(picture.width, 8);
    EXPECT_EQ(picture.height, 3);
    EXPECT_EQ(picture.pixels[0], 0u);
    // Moving without resizing keeps what was drawn.
    FillWindowArea(top, RECT{0, 0, 8, 3}, RGB(255, 255, 255));
    MoveWindow(top, 30, 30, 8, 3, FALSE);
    EXPECT_EQ(platform::testing::ShownPixel(top, 7, 2), RGB(255, 255, 255));
}

TEST_F(HeadlessDisplay, SystemPaletteChangeRepresentsEveryWindowAndClassSwitchClears) {
    platform::testing::SetDisplayClass(DisplayClass::Palette);
    HWND first = MakeWindow(0, 0, 3, 2);
    HWND second = MakeWindow(5, 5, 4, 4);
    FillWindowArea(first, RECT{0, 0, 3, 2}, RGB(255, 255, 0));
    FillWindowArea(second, RECT{0, 0, 4, 4}, RGB(255, 255, 0));
    platform::testing::ResetPresentCounts();

    HDC screen = GetDC(nullptr);
    SetSystemPaletteUse(screen, SYSPAL_NOSTATIC);
    ReleaseDC(nullptr, screen);
    auto presents = platform::testing::Presents();
    ASSERT_EQ(platform::testing::PresentCount(), 2);
    for (const auto& present : presents) {
        LONG width = present.topLevel == first ? 3 : 4;
        EXPECT_EQ(present.area.right, width);
        EXPECT_EQ(present.area.left, 0);
    }

    platform::testing::SetDisplayClass(DisplayClass::TrueColour);
    EXPECT_EQ(platform::testing::ShownPixel(first, 0, 0), RGB(0, 0, 0));
}

TEST_F(HeadlessDisplay, DesktopSizeIsTheScreenSizeAndTheDesktopHasNoPicture) {
    platform::testing::SetDesktopSize(800, 600);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 800);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 600);
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(GetDeviceCaps(screen, HORZRES), 800);
    ReleaseDC(nullptr, screen);

    HWND desktop = GetDesktopWindow();
    FillWindowArea(desktop, RECT{0, 0, 800, 600}, RGB(255, 255, 255));
    platform::CapturedPicture picture;
    EXPECT_FALSE(platform::CaptureTopLevel(desktop, &picture));
    EXPECT_EQ(platform::testing::PresentCount(), 0);
}

} // namespace
