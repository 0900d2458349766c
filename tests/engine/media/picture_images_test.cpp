// mImageBMP, mImagePCX and mImageDCX on hand-made files: what the headers store, palettes,
// pages, placement and clipping, the run-length forms, and what is refused or reported.
#include "engine/gfx/mBitmap.h"
#include "engine/media/mImageBMP.h"
#include "engine/media/mImageDCX.h"
#include "engine/media/mImagePCX.h"
#include "platform/testing/message_boxes.h"
#include "tests/engine/media/PictureBytes.h"

#include <gtest/gtest.h>

#include <string>

using namespace picturetest;
using platform::testing::TakeMessageBoxes;

namespace {

constexpr BYTE untouched = 0xEE;

// One report's caption and text, or "" when there was none; fails on more than one.
std::string Report() {
    auto boxes = TakeMessageBoxes();
    EXPECT_LE(boxes.size(), 1u);
    return boxes.empty() ? "" : boxes[0].caption + ": " + boxes[0].text;
}

// The image over bytes (which it reads in place), and an 8-bit target filled with `untouched`.
template <class Image> struct Opened {
    Opened(const Bytes& bytes, LONG width = 16, LONG height = 12, bool topDown = false)
        : file(bytes) {
        TakeMessageBoxes();
        image.OpenMemory(file.data(), LONG(file.size()));
        target.Create(width, topDown ? -height : height, 8);
        RECT all{0, 0, width, height};
        target.Fill(untouched, &all, 1);
        image.SetTarget(&target);
    }
    ~Opened() { image.SetTarget(nullptr); }
    BYTE At(LONG x, LONG y) const { return target.info->topRow[y * target.info->pitch + x]; }
    // Rows of the target as text, one character a pixel: '.' untouched, else 'a' + index.
    std::string Picture() const {
        std::string out;
        for (LONG y = 0; y < target.info->height; ++y) {
            for (LONG x = 0; x < target.info->width; ++x)
                out += At(x, y) == untouched ? '.' : char('a' + At(x, y));
            out += '|';
        }
        return out;
    }

    Bytes file;
    Image image;
    mBitmap target;
};

// 4 x 3 pixels, index = 4 * row from the top + column, stored bottom row first.
Bytes CountingBmp(int32_t height = 3) {
    Bytes pixels;
    for (int fileRow = 0; fileRow < 3; ++fileRow) {
        int row = height > 0 ? 2 - fileRow : fileRow;
        for (int x = 0; x < 4; ++x)
            pixels.push_back(uint8_t(4 * row + x));
    }
    BmpFields f;
    f.height = height;
    return Bmp(f, BmpColours(256), pixels);
}

// The same picture as PCX, every pixel a literal (below 0xC0).
Bytes CountingPcx() {
    Bytes data;
    for (int i = 0; i < 12; ++i)
        data.push_back(uint8_t(i));
    return Pcx(PcxFields{}, data, true);
}

TEST(BmpImage, StoresItsHeaderAndReadsOnlyTheColoursItUses) {
    BmpFields f;
    f.coloursUsed = 16;
    Opened<mImageBMP> bmp(Bmp(f, BmpColours(16), Bytes(12, 1)));
    ASSERT_TRUE(bmp.image.ReadHeader());
    const FormatInfo& format = *bmp.image.formatInfo;
    const PlaybackInfo& playback = *bmp.image.playbackInfo;
    EXPECT_EQ(format.typeTag, 0x504D42u);
    EXPECT_EQ(format.frameCount, 1);
    EXPECT_EQ(format.fileSize, LONG(bmp.file.size())); // the size itself, not four times it
    EXPECT_EQ(playback.frameDataSize, 12);
    EXPECT_EQ(playback.changed.right, 4);
    EXPECT_EQ(playback.changed.bottom, 3);
    ASSERT_NE(playback.palette, nullptr);
    EXPECT_TRUE(playback.paletteChanged);
    EXPECT_EQ(playback.palette[15].rgbBlue, 115);
    EXPECT_EQ(playback.palette[16].rgbBlue, 0); // entries 16 to 255 as they were
    // Read once: a sprite's later call leaves the open image as it is.
    bmp.image.Draw(0, 0, nullptr);
    EXPECT_TRUE(bmp.image.ReadHeader());
    EXPECT_EQ(bmp.image.Draw(0, 0, nullptr), 0);
    EXPECT_EQ(Report(), "");
}

TEST(BmpImage, BottomUpAndTopDownFilesDrawTheSamePicture) {
    Opened<mImageBMP> bottomUp(CountingBmp(3), 4, 3), topDown(CountingBmp(-3), 4, 3, true);
    EXPECT_EQ(bottomUp.image.Draw(0, 0, nullptr), 0);
    EXPECT_EQ(topDown.image.Draw(0, 0, nullptr), 0);
    EXPECT_EQ(bottomUp.Picture(), "abcd|efgh|ijkl|");
    EXPECT_EQ(topDown.Picture(), bottomUp.Picture());
    EXPECT_EQ(topDown.image.playbackInfo->height, 3);
}

// Placement and clip count from the image's top row, as for PCX and FLIC images.
TEST(BmpImage, IsPlacedAndClippedFromItsTopRow) {
    for (bool topDown : {false, true}) {
        Opened<mImageBMP> bmp(CountingBmp(), 6, 5, topDown);
        RECT clip{2, 2, 4, 4};
        EXPECT_EQ(bmp.image.Draw(1, 1, &clip), 0);
        EXPECT_EQ(bmp.Picture(), "......|......|..fg..|..jk..|......|") << topDown;
        bmp.image.Draw(2, -1, nullptr);
        EXPECT_EQ(bmp.Picture(), "..efgh|..ijkl|..fg..|..jk..|......|") << topDown;
    }
}

TEST(PcxImage, IsPlacedAndClippedLikeABitmap) {
    Opened<mImagePCX> pcx(CountingPcx(), 6, 5, true);
    RECT clip{2, 2, 4, 4};
    EXPECT_EQ(pcx.image.Draw(1, 1, &clip), 0);
    EXPECT_EQ(pcx.Picture(), "......|......|..fg..|..jk..|......|");
}

TEST(PcxImage, ADrawNearTheRightEdgeWritesOnlyTheColumnsInside) {
    PcxFields f;
    f.width = 100;
    f.height = 2;
    f.lineBytes = 100;
    Bytes data;
    for (int row = 0; row < 2; ++row)
        data.insert(data.end(), {0xC0 | 50, 7, 0xC0 | 50, 7});
    Opened<mImagePCX> pcx(Pcx(f, data, false), 640, 3);
    EXPECT_EQ(pcx.image.Draw(600, 1, nullptr), 0);
    int written = 0;
    for (LONG y = 0; y < 3; ++y)
        for (LONG x = 0; x < 640; ++x)
            written += pcx.At(x, y) == 7;
    EXPECT_EQ(written, 2 * 40);
    EXPECT_EQ(pcx.At(599, 1), untouched);
    EXPECT_EQ(pcx.At(639, 1), 7);
    EXPECT_EQ(pcx.At(0, 2), untouched);
}

TEST(PcxImage, RunsEndWithTheirScanlineAndAZeroRunIsNothing) {
    // Row 0: a run of 6 cut to the 4 columns; row 1 starts afresh with a zero run first.
    Bytes data{0xC6, 1, 0xC0, 9, 2, 3, 4, 5, 0xC4, 6};
    Opened<mImagePCX> pcx(Pcx(PcxFields{}, data, true), 4, 3);
    pcx.image.Draw(0, 0, nullptr);
    EXPECT_EQ(pcx.Picture(), "bbbb|cdef|gggg|");
}

TEST(PcxImage, WithoutTheEndMarkerKeepsTheHeaderColoursAndTheRestAsItWas) {
    Opened<mImagePCX> pcx(Pcx(PcxFields{}, Bytes(12, 1), false));
    ASSERT_TRUE(pcx.image.ReadHeader());
    const PlaybackInfo& p = *pcx.image.playbackInfo;
    ASSERT_NE(p.palette, nullptr);
    EXPECT_TRUE(p.paletteChanged);
    EXPECT_EQ(p.palette[15].rgbRed, 45);
    EXPECT_EQ(p.palette[15].rgbBlue, 47);
    EXPECT_EQ(p.palette[16].rgbRed, 0);
    EXPECT_EQ(p.frameDataSize, 12);

    Opened<mImagePCX> withEnd(Pcx(PcxFields{}, Bytes(12, 1), true));
    ASSERT_TRUE(withEnd.image.ReadHeader());
    EXPECT_EQ(withEnd.image.playbackInfo->palette[200].rgbGreen, 55);
    EXPECT_EQ(withEnd.image.playbackInfo->palette[200].rgbBlue, 100);
}

TEST(PcxImage, ThreePlanesWithoutAnEndPaletteHaveNoPalette) {
    PcxFields f;
    f.planes = 3;
    Opened<mImagePCX> pcx(Pcx(f, Bytes(36, 0xB0), false));
    ASSERT_TRUE(pcx.image.ReadHeader());
    EXPECT_EQ(pcx.image.playbackInfo->palette, nullptr);
    EXPECT_FALSE(pcx.image.playbackInfo->paletteChanged);
    RGBQUAD grey{0xB0, 0xB0, 0xB0, 0};
    pcx.image.Draw(0, 0, nullptr);
    EXPECT_EQ(pcx.At(3, 2), pcx.target.NearestColour(grey));
}

TEST(DcxImage, PagesAreFramesAndSeeksOutsideThemChangeNothing) {
    Bytes pages[3];
    for (int i = 0; i < 3; ++i)
        pages[i] = Pcx(PcxFields{}, Bytes(12, uint8_t(i + 1)), true);
    Opened<mImageDCX> dcx(Dcx({pages[0], pages[1], pages[2]}), 4, 3);
    ASSERT_TRUE(dcx.image.ReadHeader());
    EXPECT_EQ(dcx.image.formatInfo->frameCount, 3);
    EXPECT_EQ(dcx.image.playbackInfo->currentFrame, 0);
    EXPECT_EQ(dcx.image.SeekFrame(2, 0), 2);
    EXPECT_EQ(dcx.image.SeekFrame(5, 0), 2);
    EXPECT_EQ(dcx.image.SeekFrame(-1, 0), 2);
    EXPECT_EQ(dcx.image.SeekFrame(0, 2), 2); // page count - 0 is past the last page
    EXPECT_EQ(dcx.image.SeekFrame(-1, 1), 1);
    EXPECT_EQ(dcx.image.SeekFrame(1, 2), 2);
    EXPECT_EQ(dcx.image.formatInfo->frameCount, 3);
    EXPECT_EQ(dcx.image.Draw(0, 0, nullptr), 2);
    EXPECT_EQ(dcx.At(0, 0), 3);
    // Each page's palette ends where the next one begins.
    EXPECT_EQ(dcx.image.playbackInfo->palette[7].rgbRed, 7);
    EXPECT_EQ(Report(), "");
}

TEST(DcxImage, APageOutsideTheFileIsNotSelected) {
    Bytes file = Dcx({Pcx(PcxFields{}, Bytes(12, 1), true), Pcx(PcxFields{}, Bytes(12, 2), true)});
    file[11] = 0x7F; // the second page's offset now points far past the end
    Opened<mImageDCX> dcx(file, 4, 3);
    ASSERT_TRUE(dcx.image.ReadHeader());
    EXPECT_EQ(dcx.image.SeekFrame(1, 0), 0);
    EXPECT_EQ(Report(), "");
}

TEST(PictureImages, RefuseWhatTheyCannotReadWithFileTypeError) {
    BmpFields os2;
    os2.infoSize = 12;
    EXPECT_FALSE(Opened<mImageBMP>(Bmp(os2, {}, Bytes(12))).image.ReadHeader());
    EXPECT_EQ(Report(), "mImageBMP: File type error");
    BmpFields bitFields;
    bitFields.depth = 16;
    bitFields.compression = 3;
    EXPECT_FALSE(Opened<mImageBMP>(Bmp(bitFields, {}, Bytes(24))).image.ReadHeader());
    EXPECT_EQ(Report(), "mImageBMP: File type error:compression 3 at depth 16");
    Bytes notPcx = CountingPcx();
    notPcx[2] = 0;
    EXPECT_FALSE(Opened<mImagePCX>(notPcx).image.ReadHeader());
    EXPECT_EQ(Report(), "mImagePCX: File type error");
    EXPECT_FALSE(Opened<mImageDCX>(CountingPcx()).image.ReadHeader());
    EXPECT_EQ(Report(), "mImageDCX: File type error");
    EXPECT_FALSE(Opened<mImageDCX>(Dcx({})).image.ReadHeader());
    EXPECT_EQ(Report(), "mImageDCX: File type error");
}

// Sides the program cannot hold are refused before anything is allocated.
TEST(PictureImages, RefuseSizesOutsideWhatTheProgramHolds) {
    BmpFields huge;
    huge.width = 1 << 30;
    Opened<mImageBMP> bmp(Bmp(huge, BmpColours(256), {}));
    EXPECT_FALSE(bmp.image.ReadHeader());
    EXPECT_EQ(bmp.image.formatInfo->typeTag, 0u);
    EXPECT_EQ(Report(), "mImageBMP: Value out of range:1073741824 x 3, not 1 to 16384 a side");
    PcxFields manyPlanes;
    manyPlanes.planes = 200;
    EXPECT_FALSE(Opened<mImagePCX>(Pcx(manyPlanes, {}, false)).image.ReadHeader());
    EXPECT_EQ(Report(), "mImagePCX: Value out of range:200 plane(s) of 8 bits, 4 bytes a line");
}

TEST(PictureImages, ATargetOfAnotherDepthIsRefusedUntouched) {
    Opened<mImageBMP> bmp(CountingBmp());
    mBitmap fourBit;
    fourBit.Create(8, 8, 4);
    bmp.image.SetTarget(&fourBit);
    EXPECT_EQ(bmp.image.Draw(0, 0, nullptr), -1);
    EXPECT_EQ(Report(), "mImageBMP: Bitmap error:Bitmap wrong format");
    EXPECT_EQ(fourBit.info->bits[0], 0);
    bmp.image.SetTarget(nullptr);
    EXPECT_EQ(bmp.image.Draw(0, 0, nullptr), -1);
    EXPECT_EQ(Report(), "mImageBMP: Bitmap error");
}

TEST(PictureImages, WhatTheyCannotDoIsReportedAsNotImplemented) {
    Opened<mImagePCX> pcx(CountingPcx());
    EXPECT_EQ(pcx.image.WriteHeader(), 0);
    EXPECT_EQ(Report(), "mImagePCX: Not implemented");
    pcx.image.SetKeyColour(3);
    EXPECT_EQ(Report(), "mImagePCX: Not implemented");
    EXPECT_FALSE(pcx.image.playbackInfo->transparent);
}

TEST(PictureImages, GiveBackTheirHoldOnTheTarget) {
    mBitmap target;
    target.Create(4, 4, 8);
    {
        Bytes file = CountingBmp();
        mImageBMP image;
        image.OpenMemory(file.data(), LONG(file.size()));
        image.SetTarget(&target);
        EXPECT_EQ(target.useCount, 1);
    }
    EXPECT_EQ(target.useCount, 0);
    EXPECT_EQ(Report(), "");
}

TEST(BmpRunLength, Rle8RunsLiteralsDeltasAndEndsOfLine) {
    BmpFields f;
    f.height = 4;
    f.compression = 1;
    Bytes data{3, 1, 0, 0,             // bottom row: three 1s, end of line
               0, 3, 2, 3, 4, 0, 0, 0, // literal 2 3 4 (padded), end of line
               0, 2, 1, 1,             // delta: one right, one up
               6, 5, 0, 0,             // a run of six from column 1: cut at the width
               0, 1, 9, 9};            // end of the picture
    Opened<mImageBMP> bmp(Bmp(f, BmpColours(256), data), 4, 4);
    EXPECT_EQ(bmp.image.Draw(0, 0, nullptr), 0);
    EXPECT_EQ(bmp.Picture(), ".fff|....|cde.|bbb.|");
}

TEST(BmpRunLength, Rle4TakesHighThenLowNibbles) {
    BmpFields f;
    f.depth = 4;
    f.height = 2;
    f.compression = 2;
    Bytes data{3, 0x12, 0,    0, // 1 2 1
               0, 3,    0x45, 0x60, 0, 1};
    Opened<mImageBMP> bmp(Bmp(f, BmpColours(16), data), 4, 2);
    EXPECT_EQ(bmp.image.Draw(0, 0, nullptr), 0);
    EXPECT_EQ(bmp.Picture(), "efg.|bcb.|");
}

} // namespace
