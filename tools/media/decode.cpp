// decode FILE: decodes every frame (or page), then an animation's ring frame, and prints the
// frame count and a checksum of all frames (pixels and palettes).
#include <cinttypes>
#include <cstdio>

#include "tools/media/ConsoleReports.h"
#include "tools/media/FrameChecksum.h"
#include "tools/media/ImageKinds.h"
#include "tools/media/OpenImage.h"
#include "tools/media/commands.h"

namespace {

// Frames are compared by checksum rather than copied: a copy of a large frame is one more
// allocation that can fail.
uint64_t PictureChecksum(const mBitmapInfo& picture) {
    FrameChecksum checksum;
    checksum.AddPicture(picture);
    return checksum.Value();
}

} // namespace

int RunDecode(const char* file) {
    OpenImage image;
    if (!image.Open(file)) return 1;
    const bool animation = IsAnimation(image.Format());
    FrameChecksum checksum;
    const uint64_t firstFrame = PictureChecksum(image.Picture());
    bool decoded = image.ForEachFrame([&](long n) {
        // An animation's frame differs from the one before only inside its changed
        // rectangle, so after the whole first frame that part (and where it lies) stands for
        // the frame, at a fraction of the cost.
        if (n > 0 && animation)
            checksum.AddArea(image.Picture(), image.Playback().changed);
        else
            checksum.AddPicture(image.Picture());
        if (image.PaletteChanged()) checksum.AddPalette(image.Palette());
        return true;
    });
    if (!decoded) return 1;
    long frames = image.Format().frameCount;
    std::printf("%ld frames, checksum %016" PRIx64, frames, checksum.Value());
    if (animation) {
        bool ringOk = image.ShowRingFrame() && PictureChecksum(image.Picture()) == firstFrame;
        std::printf(", ring frame %s",
                    ringOk ? "returns to frame 0" : "does NOT return to frame 0");
    }
    std::printf("\n");
    return 0;
}
