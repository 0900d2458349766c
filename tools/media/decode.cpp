// decode FILE: decodes every frame, then the ring frame, and prints the frame count and a
// checksum of all frames (pixels and palettes).
#include <cinttypes>
#include <cstdio>
#include <vector>

#include "tools/media/ConsoleReports.h"
#include "tools/media/FrameChecksum.h"
#include "tools/media/OpenImage.h"
#include "tools/media/commands.h"

namespace {

std::vector<BYTE> CopyPixels(const mBitmapInfo& picture) {
    std::vector<BYTE> pixels;
    for (LONG y = 0; y < picture.height; ++y) {
        const BYTE* row = picture.topRow + y * picture.pitch;
        pixels.insert(pixels.end(), row, row + picture.width);
    }
    return pixels;
}

} // namespace

int RunDecode(const char* file) {
    OpenImage image;
    if (!image.Open(file)) return 1;
    FrameChecksum checksum;
    std::vector<BYTE> firstFrame = CopyPixels(image.Picture());
    bool decoded = image.ForEachFrame([&](long) {
        checksum.AddPicture(image.Picture());
        if (image.PaletteChanged()) checksum.AddPalette(image.Palette());
        return true;
    });
    if (!decoded) return 1;
    long frames = image.Format().frameCount;
    bool ringOk = image.ShowRingFrame() && CopyPixels(image.Picture()) == firstFrame;
    std::printf("%ld frames, checksum %016" PRIx64 ", ring frame %s\n", frames, checksum.Value(),
                ringOk ? "returns to frame 0" : "does NOT return to frame 0");
    return 0;
}
