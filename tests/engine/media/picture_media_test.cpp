// Pictures written by other tools (ffmpeg, ImageMagick; tools/test_media/make_picture_media.sh)
// decode pixel for pixel as those tools decode them, read from a file through a buffer
// smaller than the picture, onto targets of either row order.
#include "engine/gfx/mBitmap.h"
#include "engine/media/mImageBMP.h"
#include "engine/media/mImageDCX.h"
#include "engine/media/mImagePCX.h"
#include "platform/testing/message_boxes.h"
#include "tests/support/source_tree.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using Pixels = std::vector<unsigned char>;

std::string PicturePath(const std::string& name) {
    return SourceTreePath("tests/engine/media/data/pictures/" + name);
}

std::unique_ptr<mImage> MakeImage(const std::string& name) {
    std::string extension = name.substr(name.size() - 3);
    if (extension == "bmp") return std::make_unique<mImageBMP>();
    if (extension == "pcx") return std::make_unique<mImagePCX>();
    return std::make_unique<mImageDCX>();
}

// A picture file opened with a small buffer, drawn onto a target of its own size.
class Picture {
public:
    Picture(const std::string& name, LONG depth, bool topDown) : image(MakeImage(name)) {
        platform::testing::ClearMessageBoxes();
        image->SetBufferSizes(1024, 1024);
        if (!image->Open(PicturePath(name).c_str(), 0) || !image->ReadHeader()) return;
        const PlaybackInfo& p = *image->playbackInfo;
        if (target.Create(p.width, topDown ? -p.height : p.height, depth))
            image->SetTarget(&target);
    }
    ~Picture() { image->SetTarget(nullptr); }

    bool Ready() const { return image->formatInfo->typeTag != 0 && target.info->width > 1; }
    // The target's pixels as red, green, blue, through the picture's palette for 8 bits.
    Pixels Drawn() {
        EXPECT_EQ(image->Draw(0, 0, nullptr), image->playbackInfo->currentFrame);
        const mBitmapInfo& t = *target.info;
        Pixels rgb;
        for (LONG y = 0; y < t.height; ++y)
            for (LONG x = 0; x < t.width; ++x)
                Append(rgb, t.topRow + y * t.pitch + x * (t.bitsPerPixel / 8));
        return rgb;
    }

    std::unique_ptr<mImage> image;
    mBitmap target;

private:
    void Append(Pixels& rgb, const BYTE* pixel) const {
        if (target.info->bitsPerPixel == 24) {
            rgb.insert(rgb.end(), {pixel[2], pixel[1], pixel[0]});
            return;
        }
        const RGBQUAD& c = image->playbackInfo->palette[*pixel];
        rgb.insert(rgb.end(), {c.rgbRed, c.rgbGreen, c.rgbBlue});
    }
};

struct Case {
    const char* file;
    LONG page;
};

class PaletteMedia : public ::testing::TestWithParam<Case> {};

TEST_P(PaletteMedia, MatchesTheOtherToolsDecodeInBothRowOrders) {
    const Case c = GetParam();
    std::string reference =
        std::string(c.file) + (c.page >= 0 ? "." + std::to_string(c.page) : "") + ".rgb";
    Pixels expected = SourceTreeBytes("tests/engine/media/data/pictures/" + reference);
    ASSERT_FALSE(expected.empty()) << reference;
    for (bool topDown : {false, true}) {
        Picture picture(c.file, 8, topDown);
        ASSERT_TRUE(picture.Ready()) << c.file;
        if (c.page >= 0) {
            ASSERT_EQ(picture.image->SeekFrame(c.page, 0), c.page);
        }
        ASSERT_NE(picture.image->playbackInfo->palette, nullptr);
        EXPECT_EQ(picture.Drawn(), expected) << c.file << (topDown ? " top-down" : " bottom-up");
    }
    EXPECT_TRUE(platform::testing::TakeMessageBoxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Pictures, PaletteMedia,
                         ::testing::Values(Case{"bmp_1bit.bmp", -1}, Case{"bmp_4bit.bmp", -1},
                                           Case{"bmp_8bit.bmp", -1}, Case{"bmp_rle8.bmp", -1},
                                           Case{"pcx_1bit.pcx", -1}, Case{"pcx_8bit.pcx", -1},
                                           Case{"pages.dcx", 0}, Case{"pages.dcx", 1},
                                           Case{"pages.dcx", 2}));

TEST(TrueColourMedia, A24BitBitmapGoesStraightIntoA24BitTarget) {
    Pixels expected = SourceTreeBytes("tests/engine/media/data/pictures/bmp_24bit.bmp.rgb");
    for (bool topDown : {false, true}) {
        Picture picture("bmp_24bit.bmp", 24, topDown);
        ASSERT_TRUE(picture.Ready());
        EXPECT_EQ(picture.Drawn(), expected);
    }
}

// Onto 8 bits each pixel becomes the target's colour nearest to its 12-bit form.
TEST(TrueColourMedia, Deep24BitPicturesTakeTheTargetsNearestColours) {
    for (const char* file : {"bmp_24bit.bmp", "pcx_24bit.pcx"}) {
        Pixels reference =
            SourceTreeBytes("tests/engine/media/data/pictures/" + std::string(file) + ".rgb");
        Picture picture(file, 8, false);
        ASSERT_TRUE(picture.Ready()) << file;
        ASSERT_EQ(picture.image->Draw(0, 0, nullptr), 0);
        const mBitmapInfo& t = *picture.target.info;
        int wrong = 0;
        for (LONG y = 0; y < t.height; ++y)
            for (LONG x = 0; x < t.width; ++x) {
                const unsigned char* rgb = &reference[3 * size_t(y * t.width + x)];
                RGBQUAD twelveBit{BYTE(rgb[2] & 0xF0), BYTE(rgb[1] & 0xF0), BYTE(rgb[0] & 0xF0), 0};
                wrong += t.topRow[y * t.pitch + x] != picture.target.NearestColour(twelveBit);
            }
        EXPECT_EQ(wrong, 0) << file;
    }
}

} // namespace
