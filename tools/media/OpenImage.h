// An image file opened through the engine, with a target bitmap that each frame is drawn
// onto, so the frame's pixels and palette can be read.
#pragma once

#include <functional>

#include "engine/gfx/mBitmap.h"
#include "engine/media/mImageAVI.h"
#include "engine/media/mImageFlic.h"

class OpenImage {
public:
    // Opens the file and reads its header; on failure prints why and leaves the image closed.
    bool Open(const char* file);
    const char* FileName() const { return file_; }

    const FormatInfo& Format() const { return *image_->formatInfo; }
    const PlaybackInfo& Playback() const { return *image_->playbackInfo; }

    // Makes frame n current and draws it onto the target; false when its decode fails.
    bool ShowFrame(long n);
    // Shows every frame in order and hands its number to `use`; stops, reporting which
    // frame, when one cannot be decoded, or when `use` returns false.
    bool ForEachFrame(const std::function<bool(long)>& use);
    // Steps from the last frame through the ring frame back to frame 0.
    bool ShowRingFrame();
    // Whether the frame last shown brought a palette chunk.
    bool PaletteChanged() const { return paletteChanged_; }

    const mBitmapInfo& Picture() const { return *target_.info; }
    const RGBQUAD* Palette() const { return image_->playbackInfo->palette; }

private:
    bool Draw(bool paletteChangedBySeek);

    // The images hold the target, so it must go first. The file's extension picks the image.
    mBitmap target_;
    mImageFlic flic_;
    mImageAVI avi_;
    mImage* image_ = &flic_;
    bool paletteChanged_ = false;
    const char* file_ = "";
};
