#include "tests/platform/gdi_test_support.h"

namespace {

using gdi_test::GdiTest;
using gdi_test::Header;
using gdi_test::Section;

using DibSections = GdiTest;

TEST_F(DibSections, GeometryFollowsTheHeaderAndRowsRunBottomUpForPositiveHeights) {
    Section bottomUp(130, 130);
    ASSERT_NE(bottomUp.bitmap, nullptr);
    DIBSECTION description;
    ASSERT_EQ(GetObjectA(bottomUp.bitmap, sizeof description, &description),
              int(sizeof description));
    EXPECT_EQ(description.dsBm.bmWidthBytes, 132);
    EXPECT_EQ(description.dsBm.bmHeight, 130);
    EXPECT_EQ(description.dsBm.bmBits, bottomUp.bits);
    EXPECT_EQ(description.dsBmih.biSizeImage, 132u * 130u);

    // The last stored row is the top one.
    bottomUp.bits[129 * 132] = 7;
    EXPECT_EQ(GetPixel(bottomUp.dc, 0, 0), gdi_test::ColourOf(bottomUp.info, 7));

    Section topDown(70, -3);
    ASSERT_NE(topDown.bitmap, nullptr);
    topDown.bits[0] = 9;
    EXPECT_EQ(GetPixel(topDown.dc, 0, 0), gdi_test::ColourOf(topDown.info, 9));
    EXPECT_EQ(GetPixel(topDown.dc, 70, 0), CLR_INVALID);
}

TEST_F(DibSections, NewPixelsAreZeroAndBadRequestsGiveNoBitmap) {
    Section section(5, 5);
    for (LONG y = 0; y < 5; ++y)
        EXPECT_EQ(section.At(4, y), 0);

    auto rejected = [](gdi_test::BitmapInfo256 info, UINT usage = DIB_RGB_COLORS,
                       HANDLE mapping = nullptr) {
        void* bits = reinterpret_cast<void*>(1);
        HBITMAP bitmap = CreateDIBSection(nullptr, info.Info(), usage, &bits, mapping, 0);
        return bitmap == nullptr && bits == nullptr;
    };
    auto info = Header(8, 8);
    EXPECT_TRUE(rejected(info, DIB_PAL_COLORS));
    EXPECT_TRUE(rejected(info, DIB_RGB_COLORS, reinterpret_cast<HANDLE>(1)));
    info.header.biBitCount = 24;
    EXPECT_TRUE(rejected(info));
    info = Header(8, 8);
    info.header.biCompression = BI_RLE8;
    EXPECT_TRUE(rejected(info));
    EXPECT_TRUE(rejected(Header(0, 8)));
    EXPECT_TRUE(rejected(Header(8, 0)));
    EXPECT_TRUE(rejected(Header(8, INT32_MIN)));
    EXPECT_TRUE(rejected(Header(1 << 20, 1 << 20)));
    void* bits = nullptr;
    EXPECT_EQ(CreateDIBSection(nullptr, nullptr, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
}

TEST_F(DibSections, ColourTableIsClippedToItsEntries) {
    auto info = Header(4, 4);
    info.header.biClrUsed = 16;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, info.Info(), DIB_RGB_COLORS, nullptr, nullptr, 0);
    HGDIOBJ previous = SelectObject(dc, bitmap);

    RGBQUAD table[256] = {};
    EXPECT_EQ(GetDIBColorTable(dc, 0, 256, table), 16u);
    EXPECT_EQ(table[15].rgbRed, info.colours[15].rgbRed);
    RGBQUAD red[4] = {{0, 0, 255, 0}, {0, 0, 255, 0}, {0, 0, 255, 0}, {0, 0, 255, 0}};
    EXPECT_EQ(SetDIBColorTable(dc, 14, 4, red), 2u);
    EXPECT_EQ(SetDIBColorTable(dc, 16, 1, red), 0u);
    EXPECT_EQ(GetDIBColorTable(dc, 14, 2, table), 2u);
    EXPECT_EQ(table[1].rgbRed, 255);
    EXPECT_EQ(GetPixel(dc, 0, 0), gdi_test::ColourOf(info, 0));

    SelectObject(dc, previous);
    EXPECT_EQ(SetDIBColorTable(dc, 0, 1, red), 0u); // the stock bitmap has no table to set
    DeleteObject(bitmap);
    DeleteDC(dc);
}

TEST_F(DibSections, SelectionOwnsTheBitmapUntilItIsSelectedOut) {
    HDC first = CreateCompatibleDC(nullptr);
    HDC second = CreateCompatibleDC(nullptr);
    BITMAP stock;
    HGDIOBJ current = GetCurrentObject(first, OBJ_BITMAP);
    ASSERT_EQ(GetObjectA(current, sizeof stock, &stock), int(sizeof stock));
    EXPECT_EQ(stock.bmWidth, 1);
    EXPECT_EQ(stock.bmHeight, 1);

    auto info = Header(16, 16);
    HBITMAP bitmap = CreateDIBSection(first, info.Info(), DIB_RGB_COLORS, nullptr, nullptr, 0);
    EXPECT_EQ(SelectObject(first, bitmap), current);
    EXPECT_EQ(SelectObject(second, bitmap), nullptr);
    EXPECT_FALSE(DeleteObject(bitmap));
    EXPECT_EQ(SelectObject(first, current), bitmap);
    EXPECT_TRUE(DeleteObject(bitmap));

    // A stale handle is refused, not followed.
    EXPECT_EQ(GetObjectA(bitmap, sizeof stock, &stock), 0);
    EXPECT_EQ(SelectObject(first, bitmap), nullptr);
    EXPECT_FALSE(DeleteObject(bitmap));
    EXPECT_TRUE(DeleteDC(first));
    EXPECT_FALSE(DeleteDC(first));
    EXPECT_TRUE(DeleteDC(second));
}

} // namespace
