#include <algorithm>
#include <cstring>

#include "platform/testing/resources.h"
#include "tests/platform/dialog_test_support.h"

namespace {

using dialog_test::DialogTest;
using dialog_test::kStatic;
using dialog_test::TemplateBuilder;

constexpr int kFrame = 90;
constexpr int kPicture = 91;
constexpr int kLabel = 92;

// A 4 x 2 bitmap resource: the top row red, the bottom row blue (rows stored bottom-up).
std::vector<BYTE> TinyBitmap() {
    std::vector<BYTE> bytes(sizeof(BITMAPINFOHEADER) + 2 * sizeof(RGBQUAD) + 8, 0);
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = 4;
    header.biHeight = 2;
    header.biPlanes = 1;
    header.biBitCount = 8;
    header.biClrUsed = 2;
    std::memcpy(bytes.data(), &header, sizeof header);
    const RGBQUAD colours[2] = {{255, 0, 0, 0}, {0, 0, 255, 0}};
    std::memcpy(bytes.data() + sizeof header, colours, sizeof colours);
    BYTE* rows = bytes.data() + sizeof header + sizeof colours;
    std::fill(rows + 4, rows + 8, 1);
    return bytes;
}

// The bitmap static names its picture by resource number in its title.
TemplateBuilder Statics() {
    TemplateBuilder builder(WS_POPUP | DS_ABSALIGN, {0, 0, 160, 80}, "Statics");
    builder.Item(kStatic, "", kFrame, SS_ETCHEDFRAME, {5, 5, 60, 40})
        .Picture(9130, kPicture, SS_BITMAP, {70, 5, 120, 40})
        .Item(kStatic, "Slower", kLabel, SS_CENTER, {5, 50, 100, 60});
    return builder;
}

class StaticTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        platform::testing::AddResource(RT_BITMAP, MAKEINTRESOURCEA(9130), TinyBitmap());
    }
    void TearDown() override {
        platform::testing::RemoveResource(RT_BITMAP, MAKEINTRESOURCEA(9130));
        DialogTest::TearDown();
    }
};

TEST_F(StaticTest, ABitmapFromTheResourcesSizesTheControlAndIsDrawn) {
    RECT picture{};
    COLORREF top = 0, bottom = 0;
    LRESULT image = 0;
    Run(Statics(), {[&](HWND d) {
            HWND control = GetDlgItem(d, kPicture);
            GetClientRect(control, &picture);
            top = platform::testing::ShownPixel(control, 3, 0);
            bottom = platform::testing::ShownPixel(control, 0, 1);
            image = SendMessageA(control, STM_GETIMAGE, IMAGE_BITMAP, 0);
        }});
    RECT bitmapSize{0, 0, 4, 2};
    EXPECT_TRUE(EqualRect(&picture, &bitmapSize));
    EXPECT_EQ(top, RGB(255, 0, 0));
    EXPECT_EQ(bottom, RGB(0, 0, 255));
    EXPECT_NE(image, 0);
}

TEST_F(StaticTest, ABrokenBitmapResourceLoadsNothing) {
    std::vector<BYTE> bytes = TinyBitmap();
    bytes.resize(bytes.size() - 3); // rows cut short
    platform::testing::AddResource(RT_BITMAP, MAKEINTRESOURCEA(9131), bytes);
    EXPECT_EQ(LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(9131)), nullptr);
    platform::testing::RemoveResource(RT_BITMAP, MAKEINTRESOURCEA(9131));
}

TEST_F(StaticTest, AnEtchedFrameIsAShadowLineOverALightOne) {
    COLORREF outer = 0, inner = 0, middle = 0;
    Run(Statics(), {[&](HWND d) {
            HWND frame = GetDlgItem(d, kFrame);
            outer = platform::testing::ShownPixel(frame, 5, 0);
            inner = platform::testing::ShownPixel(frame, 5, 1);
            middle = platform::testing::ShownPixel(frame, 20, 20);
        }});
    EXPECT_EQ(outer, RGB(128, 128, 128));
    EXPECT_EQ(inner, RGB(255, 255, 255));
    EXPECT_EQ(middle, RGB(192, 192, 192)); // the dialog's face shows through
}

TEST_F(StaticTest, ClicksOnALabelReachTheDialogUnderIt) {
    HWND hit = nullptr;
    Run(Statics(), {[&](HWND d) {
            POINT point{10, 5};
            ClientToScreen(GetDlgItem(d, kLabel), &point);
            hit = WindowFromPoint(point);
        }});
    ASSERT_NE(hit, nullptr);
    EXPECT_EQ(GetDlgCtrlID(hit), 0); // the dialog itself
}

} // namespace
