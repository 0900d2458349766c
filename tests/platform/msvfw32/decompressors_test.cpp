// The compression manager's decompressors through the Win32 calls: handler lookup, format
// checks, and each decoder on hand-made frames, fenced so a write outside the frame shows.
#include <gtest/gtest.h>

#include <vector>

#include "platform/win32.h"

namespace {

constexpr BYTE kFence = 0xEE;

struct Format {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
};

Format MakeFormat(LONG width, LONG height, DWORD compression, WORD bits = 8) {
    Format format{};
    format.header.biSize = sizeof(BITMAPINFOHEADER);
    format.header.biWidth = width;
    format.header.biHeight = height;
    format.header.biPlanes = 1;
    format.header.biBitCount = bits;
    format.header.biCompression = compression;
    return format;
}

// An 8-bit output frame with a fence row above and below; rows are read from the bottom.
struct Frame {
    LONG width, height, stride;
    std::vector<BYTE> store;
    Format format;

    Frame(LONG w, LONG h, bool topDown = false)
        : width(w), height(h), stride((w + 3) & ~3), store(size_t(stride) * (h + 2), kFence),
          format(MakeFormat(w, topDown ? -h : h, BI_RGB)) {
        for (LONG row = 0; row < h; ++row)
            for (LONG x = 0; x < w; ++x)
                store[size_t(stride) * (row + 1) + x] = 0;
    }
    BYTE* Bits() { return &store[size_t(stride)]; }
    BYTE At(LONG x, LONG fromBottom) const {
        LONG stored = format.header.biHeight < 0 ? height - 1 - fromBottom : fromBottom;
        return store[size_t(stride) * (stored + 1) + x];
    }
    bool FenceIntact() const {
        for (LONG row = 0; row < height + 2; ++row)
            for (LONG x = 0; x < stride; ++x)
                if ((row == 0 || row > height || x >= width) &&
                    store[size_t(stride) * row + x] != kFence)
                    return false;
        return true;
    }
};

struct Codec {
    HIC hic;
    explicit Codec(FOURCC handler) : hic(ICOpen(ICTYPE_VIDEO, handler, ICMODE_FASTDECOMPRESS)) {}
    ~Codec() {
        if (hic) ICClose(hic);
    }
    DWORD Decode(Format& in, std::vector<BYTE> data, Frame& out) {
        in.header.biSizeImage = DWORD(data.size());
        // Exactly the bytes given, so a read past them is caught by the sanitizers.
        return ICDecompress(hic, 0, &in.header, data.empty() ? nullptr : data.data(),
                            &out.format.header, out.Bits());
    }
};

TEST(Decompressors, HandlerCodesMatchWithoutRegardToCase) {
    const FOURCC rle[] = {mmioFOURCC('M', 'R', 'L', 'E'), mmioFOURCC('r', 'l', 'e', ' '),
                          mmioFOURCC('R', 'l', 'E', '8')};
    for (FOURCC handler : rle) {
        Codec codec(handler);
        ASSERT_NE(codec.hic, nullptr);
        ICINFO info{};
        EXPECT_EQ(ICGetInfo(codec.hic, &info, sizeof info), LRESULT(sizeof info));
        EXPECT_EQ(info.fccHandler, mmioFOURCC('M', 'R', 'L', 'E'));
    }
    const FOURCC others[] = {mmioFOURCC('c', 'r', 'a', 'm'), mmioFOURCC('M', 'S', 'V', 'C'),
                             mmioFOURCC('d', 'i', 'b', ' '), 0};
    for (FOURCC handler : others)
        EXPECT_NE(Codec(handler).hic, nullptr);
    EXPECT_EQ(Codec(mmioFOURCC('X', 'V', 'I', 'D')).hic, nullptr);
    EXPECT_EQ(ICOpen(mmioFOURCC('a', 'u', 'd', 'c'), mmioFOURCC('M', 'R', 'L', 'E'),
                     ICMODE_FASTDECOMPRESS),
              nullptr);
}

TEST(Decompressors, ClosedOrUnknownHandlesAreRefused) {
    HIC hic = ICOpen(ICTYPE_VIDEO, mmioFOURCC('M', 'R', 'L', 'E'), ICMODE_DECOMPRESS);
    ASSERT_NE(hic, nullptr);
    EXPECT_EQ(ICClose(hic), ICERR_OK);
    EXPECT_EQ(ICClose(hic), ICERR_BADHANDLE);
    EXPECT_EQ(ICSendMessage(hic, ICM_DECOMPRESS_END, 0, 0), ICERR_BADHANDLE);
    int unrelated = 0;
    EXPECT_EQ(ICSendMessage(reinterpret_cast<HIC>(&unrelated), ICM_DECOMPRESS_END, 0, 0),
              ICERR_BADHANDLE);
}

TEST(Decompressors, BeginChecksBothFormats) {
    Codec rle(mmioFOURCC('M', 'R', 'L', 'E'));
    Format in = MakeFormat(8, 4, BI_RLE8);
    Frame out(8, 4);
    EXPECT_EQ(ICDecompressBegin(rle.hic, &in.header, &out.format.header), ICERR_OK);
    Frame topDown(8, 4, true);
    EXPECT_EQ(ICDecompressBegin(rle.hic, &in.header, &topDown.format.header), ICERR_OK);
    Frame narrower(7, 4);
    EXPECT_EQ(ICDecompressBegin(rle.hic, &in.header, &narrower.format.header), ICERR_BADFORMAT);
    Format deep = MakeFormat(8, 4, BI_RGB, 16);
    EXPECT_EQ(ICDecompressBegin(rle.hic, &in.header, &deep.header), ICERR_BADFORMAT);
    Format uncompressed = MakeFormat(8, 4, BI_RGB);
    EXPECT_EQ(ICDecompressQuery(rle.hic, &uncompressed.header, nullptr), ICERR_BADFORMAT);
    // A header claiming a huge size would put its colour table anywhere.
    Format oversized = MakeFormat(8, 4, BI_RLE8);
    oversized.header.biSize = 4000;
    EXPECT_EQ(ICDecompressQuery(rle.hic, &oversized.header, nullptr), ICERR_BADFORMAT);

    Codec video1(mmioFOURCC('C', 'R', 'A', 'M'));
    Format deepVideo1 = MakeFormat(8, 4, mmioFOURCC('C', 'R', 'A', 'M'), 16);
    EXPECT_EQ(ICDecompressQuery(video1.hic, &deepVideo1.header, nullptr), ICERR_BADFORMAT);
    Format lowerCase = MakeFormat(8, 4, mmioFOURCC('m', 's', 'v', 'c'));
    EXPECT_EQ(ICDecompressQuery(video1.hic, &lowerCase.header, nullptr), ICERR_OK);
}

// The handler a located decompressor reports, 0 when none was found.
FOURCC Located(FOURCC preferred, Format& in, Format* out, WORD mode = ICMODE_FASTDECOMPRESS) {
    HIC hic = ICLocate(ICTYPE_VIDEO, preferred, &in.header, out ? &out->header : nullptr, mode);
    if (!hic) return 0;
    ICINFO info{};
    ICGetInfo(hic, &info, sizeof info);
    ICClose(hic);
    return info.fccHandler;
}

TEST(Decompressors, LocateTakesThePreferredHandlerOnlyWhenItReadsTheFormat) {
    const FOURCC rle = mmioFOURCC('M', 'R', 'L', 'E'), video1 = mmioFOURCC('M', 'S', 'V', 'C');
    Format rleIn = MakeFormat(8, 4, BI_RLE8);
    Format video1In = MakeFormat(8, 4, mmioFOURCC('C', 'R', 'A', 'M'));
    Frame out(8, 4);
    EXPECT_EQ(Located(rle, rleIn, &out.format), rle);
    EXPECT_EQ(Located(0, rleIn, nullptr), rle);
    // A handler no decompressor has, or one that cannot read the format: found by format.
    EXPECT_EQ(Located(mmioFOURCC('X', 'X', 'X', 'X'), video1In, &out.format), video1);
    EXPECT_EQ(Located(rle, video1In, &out.format), video1);
    // Nothing reads 16-bit input or makes a narrower frame; only decompression is located.
    Format deep = MakeFormat(8, 4, BI_RLE8, 16);
    EXPECT_EQ(Located(0, deep, nullptr), 0u);
    Frame narrower(7, 4);
    EXPECT_EQ(Located(rle, rleIn, &narrower.format), 0u);
    EXPECT_EQ(Located(rle, rleIn, nullptr, ICMODE_COMPRESS), 0u);
    EXPECT_EQ(ICLocate(ICTYPE_VIDEO, rle, nullptr, nullptr, ICMODE_DECOMPRESS), nullptr);
    // The decompressors tried and refused on the way are closed: the table never fills.
    for (int i = 0; i < 200; ++i)
        ASSERT_EQ(Located(rle, video1In, nullptr), video1) << i;
}

TEST(Decompressors, PaletteIsTheInputColourTable) {
    Codec rle(mmioFOURCC('M', 'R', 'L', 'E'));
    Format in = MakeFormat(4, 4, BI_RLE8);
    in.header.biClrUsed = 2;
    in.colours[0] = RGBQUAD{1, 2, 3, 0};
    in.colours[1] = RGBQUAD{4, 5, 6, 0};
    in.colours[2] = RGBQUAD{7, 8, 9, 0}; // beyond biClrUsed
    Format out = MakeFormat(4, 4, BI_RGB);
    for (RGBQUAD& colour : out.colours)
        colour = RGBQUAD{9, 9, 9, 9};
    EXPECT_GT(ICDecompressGetPalette(rle.hic, &in.header, nullptr), 0);
    EXPECT_EQ(ICDecompressGetPalette(rle.hic, &in.header, &out.header), ICERR_OK);
    EXPECT_EQ(out.colours[1].rgbRed, 6);
    EXPECT_EQ(out.colours[2].rgbRed, 0);
    EXPECT_EQ(out.colours[255].rgbBlue, 0);
}

TEST(Rle8, RunsLiteralsDeltasAndLineEndsFromTheBottomRow) {
    Codec rle(mmioFOURCC('M', 'R', 'L', 'E'));
    Format in = MakeFormat(6, 3, BI_RLE8);
    Frame out(6, 3);
    out.store[size_t(out.stride) * 3 + 5] = 77; // top row, kept by the final delta
    std::vector<BYTE> data = {
        3,  9,              // bottom row: 9 9 9
        0,  3,  1, 2, 3, 0, // literal of three, padded to a word
        0,  0,              // next row
        0,  2,  4, 1,       // delta: 4 right, 1 up
        2,  5,              // top row x 4, 5
        0,  1,              // end of the frame
        20, 20,             // never read
    };
    EXPECT_EQ(rle.Decode(in, data, out), DWORD(ICERR_OK));
    const BYTE bottom[] = {9, 9, 9, 1, 2, 3};
    for (LONG x = 0; x < 6; ++x)
        EXPECT_EQ(out.At(x, 0), bottom[x]) << x;
    for (LONG x = 0; x < 6; ++x)
        EXPECT_EQ(out.At(x, 1), 0) << x;
    EXPECT_EQ(out.At(4, 2), 5);
    EXPECT_EQ(out.At(5, 2), 5);
    EXPECT_EQ(out.At(0, 2), 0);
    EXPECT_TRUE(out.FenceIntact());
}

TEST(Rle8, RunsAndDeltasPastTheEdgesWriteNothingOutside) {
    Codec rle(mmioFOURCC('M', 'R', 'L', 'E'));
    Format in = MakeFormat(5, 2, BI_RLE8);
    Frame out(5, 2, true);
    // The first row overflows; the literal string after the runs starts off the frame.
    std::vector<BYTE> data = {255, 1, 255, 2, 0, 5, 1, 2, 3, 4, 5, 0, 0, 0};
    // Deltas far to the right, many times over, stay off the second row.
    for (int repeat = 0; repeat < 200; ++repeat)
        data.insert(data.end(), {0, 2, 255, 0});
    // A run off the frame, then a literal string cut short by the end of the data.
    data.insert(data.end(), {3, 9, 0, 200, 7});
    EXPECT_EQ(rle.Decode(in, data, out), DWORD(ICERR_OK));
    for (LONG x = 0; x < 5; ++x)
        EXPECT_EQ(out.At(x, 0), 1) << x;
    for (LONG x = 0; x < 5; ++x)
        EXPECT_EQ(out.At(x, 1), 0) << x;
    EXPECT_TRUE(out.FenceIntact());
}

// Short runs and strings are written in overlapping words: each must still cover exactly its
// own pixels, whatever its length.
TEST(Rle8, RunsAndLiteralsOfEveryLengthWriteExactlyTheirPixels) {
    Codec rle(mmioFOURCC('M', 'R', 'L', 'E'));
    Format in = MakeFormat(40, 1, BI_RLE8);
    for (BYTE length = 1; length <= 36; ++length)
        for (bool literal : {false, true}) {
            if (literal && length < 3) continue; // 0 1 and 0 2 are escapes
            Frame out(40, 1);
            std::vector<BYTE> data = {0, 2, 2, 0}; // start at column 2
            if (literal) {
                data.insert(data.end(), {0, length});
                for (BYTE i = 0; i < length + (length & 1); ++i)
                    data.push_back(BYTE(100 + i));
            } else {
                data.insert(data.end(), {length, 7});
            }
            ASSERT_EQ(rle.Decode(in, data, out), DWORD(ICERR_OK));
            for (LONG x = 0; x < 40; ++x) {
                BYTE expected = x < 2 || x >= 2 + length ? 0 : literal ? BYTE(98 + x) : 7;
                EXPECT_EQ(out.At(x, 0), expected) << int(length) << " " << literal << " " << x;
            }
            EXPECT_TRUE(out.FenceIntact());
        }
}

TEST(Video1, SolidTwoColourAndEightColourBlocks) {
    Codec video1(mmioFOURCC('C', 'R', 'A', 'M'));
    Format in = MakeFormat(14, 4, mmioFOURCC('C', 'R', 'A', 'M'));
    Frame out(14, 4);
    std::vector<BYTE> data = {
        0x21, 0x80,        // one colour, 0x21
        0x01, 0x00, 3,  4, // two colours: only the bottom-left pixel takes 3
        0x00, 0x90, 10, 11, 12, 13, 14, 15, 16, 17, // eight colours, mask 0x9000
    };
    EXPECT_EQ(video1.Decode(in, data, out), DWORD(ICERR_OK));
    EXPECT_EQ(out.At(0, 0), 0x21);
    EXPECT_EQ(out.At(3, 3), 0x21);
    EXPECT_EQ(out.At(4, 0), 3);
    EXPECT_EQ(out.At(5, 0), 4);
    EXPECT_EQ(out.At(7, 3), 4);
    // Quarters: bottom-left 10/11, bottom-right 12/13, top-left 14/15, top-right 16/17; mask
    // bits 12 (top-left pixel) and 15 (top-right pixel) are set.
    EXPECT_EQ(out.At(8, 0), 11);
    EXPECT_EQ(out.At(10, 1), 13);
    EXPECT_EQ(out.At(8, 3), 14);
    EXPECT_EQ(out.At(9, 3), 15);
    EXPECT_EQ(out.At(11, 3), 16);
    EXPECT_EQ(out.At(10, 3), 17);
    // Columns past the last whole block are not coded.
    EXPECT_EQ(out.At(12, 0), 0);
    EXPECT_TRUE(out.FenceIntact());
}

TEST(Video1, SkipsKeepTheLastFrameAndShortDataStops) {
    Codec video1(mmioFOURCC('M', 'S', 'V', 'C'));
    Format in = MakeFormat(8, 8, mmioFOURCC('M', 'S', 'V', 'C'));
    Frame out(8, 8);
    EXPECT_EQ(video1.Decode(in, {5, 0x80, 5, 0x80, 5, 0x80, 5, 0x80}, out), DWORD(ICERR_OK));
    // Skip three blocks, then colour the last (top-right); then a skip past the end.
    EXPECT_EQ(video1.Decode(in, {3, 0x84, 6, 0x80, 0xFF, 0x87}, out), DWORD(ICERR_OK));
    EXPECT_EQ(out.At(0, 0), 5);
    EXPECT_EQ(out.At(4, 4), 6);
    // The eight-colour block's colours are cut short: nothing of it is drawn.
    EXPECT_EQ(video1.Decode(in, {7, 0x80, 0, 0x90, 1, 2, 3}, out), DWORD(ICERR_OK));
    EXPECT_EQ(out.At(0, 0), 7);
    EXPECT_EQ(out.At(4, 0), 5);
    EXPECT_TRUE(out.FenceIntact());
}

TEST(Video1, SkipsRunOnAcrossRowsOfBlocks) {
    Codec video1(mmioFOURCC('C', 'R', 'A', 'M'));
    Format in = MakeFormat(8, 16, mmioFOURCC('C', 'R', 'A', 'M'));
    Frame out(8, 16);
    std::vector<BYTE> fill;
    for (int block = 0; block < 8; ++block)
        fill.insert(fill.end(), {5, 0x80});
    EXPECT_EQ(video1.Decode(in, fill, out), DWORD(ICERR_OK));
    // Block 0, then five skipped (the rest of row 0 to the first of row 3), then block 6.
    EXPECT_EQ(video1.Decode(in, {6, 0x80, 5, 0x84, 9, 0x80}, out), DWORD(ICERR_OK));
    const BYTE blocks[8] = {6, 5, 5, 5, 5, 5, 9, 5};
    for (int block = 0; block < 8; ++block)
        EXPECT_EQ(out.At(block % 2 * 4 + 3, block / 2 * 4 + 3), blocks[block]) << block;
    EXPECT_TRUE(out.FenceIntact());
}

TEST(Uncompressed, RowsInEitherOrderIntoEitherOrder) {
    Codec dib(0);
    for (bool inputTopDown : {false, true}) {
        for (bool outputTopDown : {false, true}) {
            Format in = MakeFormat(3, 2, BI_RGB);
            in.header.biHeight = inputTopDown ? -2 : 2;
            Frame out(3, 2, outputTopDown);
            // Stored rows padded to four bytes; the first stored row is 1 2 3.
            EXPECT_EQ(dib.Decode(in, {1, 2, 3, 0, 4, 5, 6, 0}, out), DWORD(ICERR_OK));
            LONG firstStored = inputTopDown ? 1 : 0;
            EXPECT_EQ(out.At(0, firstStored), 1);
            EXPECT_EQ(out.At(2, 1 - firstStored), 6);
            EXPECT_TRUE(out.FenceIntact());
        }
    }
    // A frame shorter than its rows fills the whole rows it holds.
    Format in = MakeFormat(3, 2, BI_RGB);
    Frame out(3, 2);
    EXPECT_EQ(dib.Decode(in, {1, 2, 3, 0, 4, 5}, out), DWORD(ICERR_OK));
    EXPECT_EQ(out.At(0, 0), 1);
    EXPECT_EQ(out.At(0, 1), 0);
}

} // namespace
