#include "tools/media/OpenImage.h"

#include "tools/media/ConsoleReports.h"

#include <cstdio>
#include <cstring>
#include <strings.h>

namespace {

bool Failed(const char* what, const char* file) {
    PrintFailure(what, file);
    return false;
}

bool IsMovie(const char* file) {
    size_t length = std::strlen(file);
    return length >= 4 && strcasecmp(file + length - 4, ".avi") == 0;
}

} // namespace

bool OpenImage::Open(const char* file) {
    file_ = file;
    if (IsMovie(file)) image_ = &avi_;
    if (!image_->Open(file, 0)) return Failed("cannot open", file);
    if (!image_->ReadHeader())
        return Failed(image_ == &avi_ ? "cannot read an AVI movie from"
                                      : "cannot read a FLIC animation from",
                      file);
    if (!target_.Create(Format().width, Format().height, Playback().bitsPerPixel) ||
        !image_->SetTarget(&target_))
        return Failed("cannot make a frame bitmap for", file);
    return Draw(Playback().paletteChanged);
}

bool OpenImage::ShowFrame(long n) {
    image_->SeekFrame(n, 0);
    return Draw(Playback().paletteChanged);
}

bool OpenImage::ForEachFrame(const std::function<bool(long)>& use) {
    for (long n = 0; n < Format().frameCount; ++n) {
        if (n > 0 && !ShowFrame(n)) {
            std::fprintf(stderr, "lumaris-media: frame %ld cannot be decoded: %s\n", n, file_);
            return false;
        }
        if (!use(n)) return false;
    }
    return true;
}

bool OpenImage::ShowRingFrame() {
    image_->SeekFrame(Format().frameCount - 1, 0);
    return ShowFrame(0);
}

// A seek decodes the next frame at once, a jump leaves it to the draw: either may bring colours.
bool OpenImage::Draw(bool paletteChangedBySeek) {
    bool drawn = image_->Draw(0, 0, nullptr) >= 0;
    paletteChanged_ = paletteChangedBySeek || Playback().paletteChanged;
    return drawn;
}
