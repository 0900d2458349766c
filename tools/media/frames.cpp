// frames FILE DIR: every frame (or page) as DIR/frame_NNN.png, through its own palette.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/media/ConsoleReports.h"
#include "tools/media/OpenImage.h"
#include "tools/media/commands.h"
#include "tools/png/RgbPng.h"

namespace {

// 8-bit pictures through their palette, 24-bit ones (blue, green, red) as they are.
bool WriteFramePng(const std::string& path, const mBitmapInfo& picture, const RGBQUAD* palette) {
    std::vector<BYTE> rgb;
    rgb.reserve(static_cast<size_t>(picture.width) * picture.height * 3);
    for (LONG y = 0; y < picture.height; ++y) {
        const BYTE* row = picture.topRow + y * picture.pitch;
        for (LONG x = 0; x < picture.width; ++x) {
            if (picture.bitsPerPixel == 24) {
                const BYTE* bgr = row + 3 * x;
                rgb.insert(rgb.end(), {bgr[2], bgr[1], bgr[0]});
                continue;
            }
            const RGBQUAD& c = palette[row[x]];
            rgb.insert(rgb.end(), {c.rgbRed, c.rgbGreen, c.rgbBlue});
        }
    }
    return WriteRgbPng(path, rgb.data(), picture.width, picture.height);
}

// Numbers padded to the width of the largest (at least three digits), so names sort.
std::string FrameName(const char* directory, long n, long frames) {
    size_t digits = std::max<size_t>(3, std::to_string(frames - 1).size());
    std::string number = std::to_string(n);
    number.insert(0, digits - std::min(digits, number.size()), '0');
    return std::string(directory) + "/frame_" + number + ".png";
}

} // namespace

int RunFrames(const char* file, const char* directory) {
    OpenImage image;
    if (!image.Open(file)) return 1;
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    long frames = image.Format().frameCount;
    bool written = image.ForEachFrame([&](long n) {
        std::string path = FrameName(directory, n, frames);
        if (WriteFramePng(path, image.Picture(), image.Palette())) return true;
        PrintFailure("cannot write", path.c_str());
        return false;
    });
    if (!written) return 1;
    std::printf("%ld frames written to %s\n", frames, directory);
    return 0;
}
