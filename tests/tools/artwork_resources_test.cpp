// The committed artwork keeps the promises the saver relies on: sizes, frame counts and
// times, one shared palette with the static colours in place, pictures drawn only with the
// recolourable entries 10-245 on a background of index 0 that never shows inside a letter,
// icons whose mask matches that background, and a hue strip of 256 columns.
#include "engine/gfx/mBitmap.h"
#include "engine/media/mImageFlic.h"
#include "platform/testing/message_boxes.h"
#include "tests/support/source_tree.h"
#include "tests/tools/LittleEndianFields.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

std::string ResourcePath(const std::string& name) {
    return SourceTreePath("resources/" + name);
}

Bytes ReadResource(const std::string& name) {
    std::ifstream in(ResourcePath(name), std::ios::binary);
    return Bytes{std::istreambuf_iterator<char>(in), {}};
}

// Background pixels reachable from the border; any other index-0 pixel is a hole that
// would turn transparent inside the lettering.
int EnclosedBackground(const std::vector<BYTE>& pixels, int width, int height) {
    std::vector<bool> reached(pixels.size(), false);
    std::vector<int> pending;
    auto visit = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= width || y >= height) return;
        int at = y * width + x;
        if (pixels[at] != 0 || reached[at]) return;
        reached[at] = true;
        pending.push_back(at);
    };
    for (int x = 0; x < width; ++x)
        visit(x, 0), visit(x, height - 1);
    for (int y = 0; y < height; ++y)
        visit(0, y), visit(width - 1, y);
    while (!pending.empty()) {
        int at = pending.back();
        pending.pop_back();
        int x = at % width, y = at / width;
        visit(x + 1, y), visit(x - 1, y), visit(x, y + 1), visit(x, y - 1);
    }
    int enclosed = 0;
    for (size_t i = 0; i < pixels.size(); ++i)
        enclosed += pixels[i] == 0 && !reached[i];
    return enclosed;
}

struct Expected {
    const char* name;
    int size, frames;
};

class SpriteArtwork : public ::testing::TestWithParam<Expected> {};

TEST_P(SpriteArtwork, FramesUseOnlyTheRecolourableEntriesOnATransparentBackground) {
    const Expected& want = GetParam();
    Bytes file = ReadResource(std::string("flic/") + want.name);
    ASSERT_FALSE(file.empty()) << ResourcePath(want.name);
    mImageFlic image;
    mBitmap screen;
    image.OpenMemory(file.data(), LONG(file.size()));
    ASSERT_TRUE(image.ReadHeader());
    EXPECT_EQ(image.formatInfo->width, want.size);
    EXPECT_EQ(image.formatInfo->height, want.size);
    EXPECT_EQ(image.formatInfo->frameCount, want.frames);
    EXPECT_EQ(image.playbackInfo->frameTime, 30);
    ASSERT_TRUE(screen.Create(want.size, -want.size, 8));
    ASSERT_TRUE(image.SetTarget(&screen));
    for (LONG n = 0; n < want.frames; ++n) {
        image.SeekFrame(n, 0);
        ASSERT_EQ(image.Draw(0, 0, nullptr), n);
        std::vector<BYTE> pixels;
        for (int y = 0; y < want.size; ++y) {
            const BYTE* row = screen.info->topRow + y * screen.info->pitch;
            pixels.insert(pixels.end(), row, row + want.size);
        }
        ASSERT_EQ(pixels[0], 0) << "frame " << n << ": the key colour comes from here";
        for (BYTE p : pixels)
            ASSERT_TRUE(p == 0 || (p >= 10 && p <= 245)) << "frame " << n << " index " << int(p);
        ASSERT_EQ(EnclosedBackground(pixels, want.size, want.size), 0) << "frame " << n;
    }
    image.SetTarget(nullptr);
    EXPECT_TRUE(platform::testing::TakeMessageBoxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Resources, SpriteArtwork,
                         ::testing::Values(Expected{"big.flc", 130, 180},
                                           Expected{"small.flc", 70, 180},
                                           Expected{"big_still.flc", 90, 1},
                                           Expected{"small_still.flc", 90, 1}),
                         [](const auto& info) { return std::to_string(info.index); });

// The first frame's COLOR_256 chunk: one packet of all 256 entries.
Bytes FirstPalette(const Bytes& file) {
    size_t chunk = U32(file, 80) + 16;
    EXPECT_EQ(U16(file, chunk + 4), 4) << "COLOR_256 first";
    EXPECT_EQ(U16(file, chunk + 6), 1);
    EXPECT_EQ(file[chunk + 9], 0) << "count 0 means 256";
    return Bytes(file.begin() + chunk + 10, file.begin() + chunk + 10 + 768);
}

TEST(ArtworkPalette, AllFourAnimationsShareOnePaletteWithTheStaticColours) {
    Bytes big = FirstPalette(ReadResource("flic/big.flc"));
    for (const char* other : {"flic/small.flc", "flic/big_still.flc", "flic/small_still.flc"})
        EXPECT_EQ(FirstPalette(ReadResource(other)), big) << other;
    EXPECT_EQ(Bytes(big.begin(), big.begin() + 3), (Bytes{0, 0, 0}));
    EXPECT_EQ(Bytes(big.end() - 3, big.end()), (Bytes{255, 255, 255}));
    EXPECT_EQ(Bytes(big.begin() + 7 * 3, big.begin() + 8 * 3), (Bytes{192, 192, 192}));
    EXPECT_EQ(Bytes(big.begin() + 249 * 3, big.begin() + 250 * 3), (Bytes{255, 0, 0}));
}

TEST(ArtworkIcons, HoldA32And16ImageMaskedWhereTheirPixelsAreBackground) {
    for (const char* name : {"icons/lumaris.ico", "icons/about.ico"}) {
        Bytes ico = ReadResource(name);
        ASSERT_GE(ico.size(), 6u + 32) << name;
        EXPECT_EQ(U16(ico, 2), 1) << "icon type";
        ASSERT_EQ(U16(ico, 4), 2);
        for (int i = 0; i < 2; ++i) {
            size_t entry = 6 + 16 * i;
            int size = i == 0 ? 32 : 16;
            EXPECT_EQ(ico[entry], size);
            EXPECT_EQ(U16(ico, entry + 6), 8) << "bits per pixel";
            size_t image = U32(ico, entry + 12);
            ASSERT_LE(image + U32(ico, entry + 8), ico.size());
            EXPECT_EQ(U32(ico, image + 8), uint32_t(size * 2)) << "height counts the mask";
            size_t pixels = image + 40 + 1024, maskRow = (size + 31) / 32 * 4;
            size_t mask = pixels + size_t(size) * size;
            int opaque = 0;
            for (int y = 0; y < size; ++y)
                for (int x = 0; x < size; ++x) {
                    bool clear = ico[mask + y * maskRow + x / 8] & (0x80 >> (x % 8));
                    bool background = ico[pixels + y * size + x] == 0;
                    ASSERT_EQ(clear, background) << name << " " << size << " at " << x << "," << y;
                    opaque += !background;
                }
            EXPECT_GT(opaque, size * size / 8) << "the letter is there";
        }
    }
}

TEST(ArtworkColourStrip, IsAn8BitStripWhoseColumnXIsEntryX) {
    Bytes bmp = ReadResource("bitmaps/colour_strip.bmp");
    ASSERT_GT(bmp.size(), 54u + 1024);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(U32(bmp, 2), bmp.size());
    EXPECT_EQ(U32(bmp, 18), 256u) << "width";
    EXPECT_EQ(U16(bmp, 28), 8) << "bits per pixel";
    size_t bits = U32(bmp, 10);
    int height = int(U32(bmp, 22));
    ASSERT_EQ(bits + size_t(256) * height, bmp.size());
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < 256; ++x)
            ASSERT_EQ(bmp[bits + y * 256 + x], x);
    // Hue 0 is red, a third of the way round green.
    EXPECT_GT(bmp[54 + 2], 200);
    EXPECT_GT(bmp[54 + 85 * 4 + 1], 200);
}

} // namespace
