#include <algorithm>

#include "tests/platform/window_test_support.h"

namespace window_test {
namespace {

constexpr LONG kLumarisWidth = 40;

class TextTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        window = Make(WS_POPUP | WS_VISIBLE, RECT{0, 0, 200, 60});
        dc = GetDC(window);
        previous = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
        RECT all{0, 0, 200, 60};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    void TearDown() override {
        SelectObject(dc, previous);
        ReleaseDC(window, dc);
        WindowTest::TearDown();
    }

    // The columns and rows of the window that hold a pixel of the colour.
    RECT InkBounds(COLORREF colour) {
        RECT bounds{200, 60, 0, 0};
        for (int y = 0; y < 60; ++y) {
            for (int x = 0; x < 200; ++x) {
                if (platform::testing::ShownPixel(window, x, y) != colour) continue;
                bounds =
                    RECT{std::min<LONG>(bounds.left, x), std::min<LONG>(bounds.top, y),
                         std::max<LONG>(bounds.right, x + 1), std::max<LONG>(bounds.bottom, y + 1)};
            }
        }
        return bounds;
    }

    HWND window = nullptr;
    HDC dc = nullptr;
    HGDIOBJ previous = nullptr;
};

// The widths are those of DejaVu Sans Condensed at 11 pixels with fixed hinting: layouts
// and these figures must not move between machines.
TEST_F(TextTest, TheGuiFontMeasuresTheSameEverywhere) {
    SIZE alphabet{}, word{}, empty{};
    TEXTMETRICA metrics{};
    GetTextExtentPoint32A(dc, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52,
                          &alphabet);
    GetTextExtentPoint32A(dc, "Lumaris", 7, &word);
    GetTextExtentPoint32A(dc, "", 0, &empty);
    ASSERT_TRUE(GetTextMetricsA(dc, &metrics));
    EXPECT_EQ((alphabet.cx / 26 + 1) / 2, 6);
    EXPECT_EQ(metrics.tmHeight, 13);
    EXPECT_EQ(word.cy, 13);
    EXPECT_EQ(word.cx, kLumarisWidth);
    EXPECT_EQ(empty.cx, 0);
    EXPECT_EQ(metrics.tmAscent + metrics.tmDescent, metrics.tmHeight);
}

TEST_F(TextTest, TextOutDrawsInTheTextColourWithinItsExtentOverItsBackground) {
    SetTextColor(dc, RGB(0, 0, 255));
    SetBkColor(dc, RGB(255, 255, 0));
    SIZE size{};
    GetTextExtentPoint32A(dc, "Hey", 3, &size);
    ASSERT_TRUE(TextOutA(dc, 20, 10, "Hey", 3));
    RECT ink = InkBounds(RGB(0, 0, 255));
    RECT background = InkBounds(RGB(255, 255, 0));
    EXPECT_GE(ink.left, 20);
    EXPECT_LE(ink.right, 20 + size.cx);
    EXPECT_GE(ink.top, 10);
    EXPECT_LE(ink.bottom, 10 + size.cy);
    EXPECT_GT(ink.right - ink.left, 10);
    RECT expected{20, 10, 20 + size.cx, 10 + size.cy};
    EXPECT_TRUE(EqualRect(&background, &expected));

    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 0, 0));
    TextOutA(dc, 100, 10, "Hey", 3);
    RECT after = InkBounds(RGB(255, 255, 0));
    EXPECT_TRUE(EqualRect(&after, &background)); // no new background
}

TEST_F(TextTest, DrawTextAlignsMeasuresAndUnderlinesTheMnemonic) {
    RECT measured{0, 0, 200, 60};
    int height = DrawTextA(dc, "&Faster", -1, &measured, DT_SINGLELINE | DT_CALCRECT);
    SIZE plain{};
    GetTextExtentPoint32A(dc, "Faster", 6, &plain);
    EXPECT_EQ(height, 13);
    EXPECT_EQ(measured.right, plain.cx);
    EXPECT_EQ(measured.bottom, 13);

    SetTextColor(dc, RGB(0, 128, 0));
    RECT box{0, 0, 200, 60};
    DrawTextA(dc, "&Faster", -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    RECT ink = InkBounds(RGB(0, 128, 0));
    EXPECT_NEAR((ink.left + ink.right) / 2, 100, 2);
    EXPECT_NEAR((ink.top + ink.bottom) / 2, 30, 3);
    // The F is underlined: a row of ink under the baseline spanning its width.
    LONG underline = 0;
    for (int x = ink.left; x < ink.left + 5; ++x)
        underline += platform::testing::ShownPixel(window, x, ink.bottom - 1) == RGB(0, 128, 0);
    EXPECT_EQ(underline, 5);

    RECT all{0, 0, 200, 60};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    DrawTextA(dc, "&Faster", -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_GT(InkBounds(RGB(0, 128, 0)).right - InkBounds(RGB(0, 128, 0)).left, plain.cx);
}

TEST_F(TextTest, WordBreakWrapsWithinTheWidth) {
    RECT narrow{0, 0, 60, 60};
    int height = DrawTextA(dc, "Number of Sprites", -1, &narrow, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_EQ(height, 26);
    EXPECT_LE(narrow.right, 60);
}

TEST_F(TextTest, FontsAreObjectsThatDescribeThemselves) {
    HFONT font = CreateFontA(-16, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0,
                             0, "DejaVu Sans");
    ASSERT_NE(font, nullptr);
    LOGFONTA described{};
    EXPECT_EQ(GetObjectA(font, sizeof described, &described), static_cast<int>(sizeof described));
    EXPECT_STREQ(described.lfFaceName, "DejaVu Sans");
    EXPECT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT));
    HGDIOBJ gui = SelectObject(dc, font);
    EXPECT_EQ(gui, GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    EXPECT_GT(metrics.tmHeight, 16);
    EXPECT_FALSE(DeleteObject(font)); // still selected
    SelectObject(dc, gui);
    EXPECT_TRUE(DeleteObject(font));
}

} // namespace
} // namespace window_test
