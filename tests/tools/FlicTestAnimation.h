// A generated animation with realistic motion for the FLIC decoder's round trips and its
// benchmark: a still banded background, discs and boxes drifting and bouncing over it, and
// now and then a few palette entries that change.
#pragma once

#include "tools/flic/FlicWriter.h"

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

namespace flictest {

class MovingScene {
public:
    MovingScene(int width, int height, unsigned seed)
        : width_(width), height_(height), random_(seed) {
        for (int i = 0; i < 256; ++i)
            palette_[i] = flic::Rgb{uint8_t(i), uint8_t(255 - i), uint8_t(i * 7)};
        int count = 3 + int(random_() % 6);
        for (int i = 0; i < count; ++i)
            movers_.push_back(Mover{Uniform(0, width), Uniform(0, height), Uniform(-4, 5),
                                    Uniform(-3, 4), Uniform(2, 1 + std::max(3, width / 5)),
                                    uint8_t(Uniform(1, 256)), random_() % 2 == 0});
    }

    // The next frame, top row first, rows packed; the palette it is shown with.
    const std::vector<uint8_t>& NextFrame() {
        pixels_.assign(size_t(width_) * height_, 0);
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                pixels_[size_t(y) * width_ + x] = uint8_t(200 + (y / 8 + x / 32) % 8);
        for (Mover& mover : movers_) {
            Paint(mover);
            Move(mover);
        }
        if (++frame_ % 11 == 0)
            palette_[Uniform(0, 256)] =
                flic::Rgb{uint8_t(random_()), uint8_t(random_()), uint8_t(random_())};
        return pixels_;
    }
    const flic::Palette& Palette() const { return palette_; }

private:
    struct Mover {
        int x, y, dx, dy, radius;
        uint8_t colour;
        bool disc;
    };

    int Uniform(int low, int high) { return low + int(random_() % unsigned(high - low)); }

    void Paint(const Mover& m) {
        for (int y = std::max(0, m.y - m.radius); y < std::min(height_, m.y + m.radius); ++y)
            for (int x = std::max(0, m.x - m.radius); x < std::min(width_, m.x + m.radius); ++x) {
                int ox = x - m.x, oy = y - m.y;
                if (!m.disc || ox * ox + oy * oy < m.radius * m.radius)
                    pixels_[size_t(y) * width_ + x] = uint8_t(m.colour + (ox ^ oy) % 3);
            }
    }

    void Move(Mover& m) {
        m.x += m.dx;
        m.y += m.dy;
        if (m.x < 0 || m.x >= width_) m.dx = -m.dx;
        if (m.y < 0 || m.y >= height_) m.dy = -m.dy;
    }

    int width_, height_;
    std::mt19937 random_;
    flic::Palette palette_{};
    std::vector<Mover> movers_;
    std::vector<uint8_t> pixels_;
    int frame_ = 0;
};

// Encodes the scene's frames, keeping each frame and its palette for comparison.
struct EncodedAnimation {
    std::vector<uint8_t> file;
    std::vector<std::vector<uint8_t>> frames;
    std::vector<flic::Palette> palettes;
};

inline EncodedAnimation EncodeScene(flic::Format format, int width, int height, int frames,
                                    unsigned seed, bool keepFrames = true) {
    MovingScene scene(width, height, seed);
    flic::WriterOptions options;
    options.format = format;
    options.width = width;
    options.height = height;
    flic::FlicWriter writer(options);
    EncodedAnimation result;
    for (int i = 0; i < frames; ++i) {
        const std::vector<uint8_t>& pixels = scene.NextFrame();
        writer.AddFrame(pixels.data(), scene.Palette());
        if (keepFrames) {
            result.frames.push_back(pixels);
            result.palettes.push_back(scene.Palette());
        }
    }
    result.file = writer.Finish();
    return result;
}

} // namespace flictest
