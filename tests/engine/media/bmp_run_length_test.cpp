// Run-length BMPs drawn under every kind of placement: a row the window shows whole, a row
// cut at either side, a row outside it. Whatever the placement, each visible pixel must be
// the one a whole drawing gives, and nothing else on the target may change.
#include "engine/gfx/mBitmap.h"
#include "engine/media/mImageBMP.h"
#include "platform/testing/message_boxes.h"
#include "tests/engine/media/PictureBytes.h"

#include <gtest/gtest.h>

namespace {

using namespace picturetest;

constexpr BYTE kUntouched = 0xEE;
constexpr LONG kWidth = 37, kHeight = 9;

// Every row: runs of each length from 1 to 20 and literal strings of 3 to 9 (odd and even,
// so both paddings occur), a delta that skips pixels and rows, and rows ended early. The
// nibble form uses the same codes: its literal strings hold two pixels a byte.
Bytes MixedCodes(bool nibbles) {
    Bytes data;
    for (LONG row = 0; row < kHeight; ++row) {
        for (BYTE length = 1; length <= 20 && row % 3 != 2; length += 3)
            data.insert(data.end(), {length, BYTE(length * 7 + row)});
        BYTE literal = BYTE(3 + row % 7);
        data.insert(data.end(), {0, literal});
        size_t bytes = nibbles ? (literal + 1u) / 2 : literal;
        for (size_t i = 0; i < bytes + (bytes & 1); ++i)
            data.push_back(BYTE(40 + row * 3 + i));
        if (row == 4) data.insert(data.end(), {0, 2, 3, 1}); // three right, one up
        data.insert(data.end(), {2, 99, 0, 0});
    }
    data.insert(data.end(), {0, 1});
    return data;
}

struct Drawing {
    Bytes file;
    mImageBMP image;
    mBitmap target;

    Drawing(bool nibbles, LONG targetWidth, LONG targetHeight) {
        BmpFields f;
        f.width = kWidth;
        f.height = kHeight;
        f.depth = nibbles ? 4 : 8;
        f.compression = nibbles ? 2 : 1;
        file = Bmp(f, BmpColours(nibbles ? 16 : 256), MixedCodes(nibbles));
        image.OpenMemory(file.data(), LONG(file.size()));
        target.Create(targetWidth, targetHeight, 8);
        RECT all{0, 0, targetWidth, targetHeight};
        target.Fill(kUntouched, &all, 1);
        image.SetTarget(&target);
    }
    ~Drawing() { image.SetTarget(nullptr); }
    BYTE At(LONG x, LONG y) const { return target.info->topRow[y * target.info->pitch + x]; }
};

TEST(BmpRunLength, ClippedDrawingsMatchTheWholePictureInsideTheClipOnly) {
    platform::testing::TakeMessageBoxes();
    struct Placement {
        LONG x, y;
        RECT clip;
    };
    const Placement placements[] = {
        {0, 0, {0, 0, 200, 200}},   // every row whole
        {5, 3, {0, 4, 200, 9}},     // whole rows, some hidden above and below
        {5, 3, {9, 0, 30, 200}},    // rows cut at both sides
        {-7, -2, {0, 0, 200, 200}}, // off the target's left and top
        {20, 6, {0, 0, 40, 12}},    // off the target's right and bottom
        {4, 2, {12, 5, 13, 6}},     // one pixel
        {4, 2, {30, 30, 10, 10}},   // an empty clip
    };
    for (bool nibbles : {false, true}) {
        Drawing whole(nibbles, kWidth, kHeight);
        ASSERT_EQ(whole.image.Draw(0, 0, nullptr), 0);
        for (const Placement& p : placements) {
            Drawing part(nibbles, 48, 16);
            ASSERT_EQ(part.image.Draw(p.x, p.y, &p.clip), 0);
            for (LONG y = 0; y < 16; ++y)
                for (LONG x = 0; x < 48; ++x) {
                    const LONG column = x - p.x, row = y - p.y;
                    const bool shown = x >= p.clip.left && x < p.clip.right && y >= p.clip.top &&
                                       y < p.clip.bottom && column >= 0 && column < kWidth &&
                                       row >= 0 && row < kHeight;
                    EXPECT_EQ(part.At(x, y), shown ? whole.At(column, row) : kUntouched)
                        << "nibbles " << nibbles << " at " << p.x << "," << p.y << " pixel " << x
                        << "," << y;
                }
        }
    }
    EXPECT_EQ(platform::testing::TakeMessageBoxes().size(), 0u);
}

} // namespace
