// Encodes 8-bit frames into a FLC or FLI animation.
//
// The first frame is a keyframe (palette + BYTE_RUN, or FLI_COPY / BLACK when smaller);
// each later frame is the smallest of the line delta of the format (DELTA_FLC or
// DELTA_FLI), BYTE_RUN and FLI_COPY, with only the changed palette entries. Finish() adds
// the ring frame that turns the last picture back into the first and fills in the header.
//
// FLC headers carry the offsets of the first and second frame; FLI headers leave those
// fields zero, as FLI files do. FLI stores 6-bit colour components, so the low two bits of
// each palette component are lost.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace flic {

enum class Format { Fli, Flc };

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Rgb& o) const { return !(*this == o); }
};
using Palette = std::array<Rgb, 256>;

struct WriterOptions {
    Format format = Format::Flc;
    int width = 0;
    int height = 0;
    // Frame period; FLI stores it as 1/70 s ticks, rounded to the nearest (at least 1).
    uint32_t frameMs = 30;
    // Later frames always as the line delta (when it can be written), even when a whole
    // picture would be smaller: a player then touches only what changed.
    bool alwaysDelta = false;
};

class FlicWriter {
public:
    explicit FlicWriter(const WriterOptions& options);

    // pixels: width x height colour indices, top row first, rows packed.
    void AddFrame(const uint8_t* pixels, const Palette& palette);
    // The whole file: header, frames, ring frame. Call once, after the last AddFrame.
    std::vector<uint8_t> Finish();

    int FrameCount() const { return frameCount_; }
    // The header's speed field for the options given.
    static uint32_t SpeedField(const WriterOptions& options);

private:
    void WriteFrame(const uint8_t* pixels, const Palette& palette);
    void WriteHeader();

    WriterOptions options_;
    std::vector<uint8_t> file_;
    std::vector<uint8_t> firstPixels_, previousPixels_;
    Palette firstPalette_{}, previousPalette_{};
    int frameCount_ = 0;
    uint32_t secondFrameOffset_ = 0;
};

} // namespace flic
