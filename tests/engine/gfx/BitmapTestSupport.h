// Shared helpers of the bitmap tests.
#pragma once

#include "engine/gfx/mBitmap.h"
#include "platform/testing/message_boxes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

inline RGBQUAD Rgb(BYTE red, BYTE green, BYTE blue) {
    return RGBQUAD{blue, green, red, 0};
}

inline bool SameRgb(const RGBQUAD& a, const RGBQUAD& b) {
    return a.rgbRed == b.rgbRed && a.rgbGreen == b.rgbGreen && a.rgbBlue == b.rgbBlue;
}

inline BYTE& PixelAt(mBitmap& bitmap, LONG x, LONG y) {
    return bitmap.info->topRow[y * bitmap.info->pitch + x];
}

using Boxes = std::vector<std::string>;

// "caption/text" of every box shown since the last call.
inline Boxes TakeBoxes() {
    Boxes shown;
    for (const auto& box : platform::testing::TakeMessageBoxes())
        shown.push_back(box.caption + "/" + box.text);
    return shown;
}

// Every test must leave no unexpected report behind.
class BitmapTest : public ::testing::Test {
protected:
    void SetUp() override { platform::testing::ClearMessageBoxes(); }
    void TearDown() override { EXPECT_EQ(TakeBoxes(), Boxes{}); }
};
