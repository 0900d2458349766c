// Frames depend only on their number, so files come out the same on every run.
#include "tools/avi/SyntheticMovie.h"

#include "tools/avi/Rle8Encoder.h"
#include "tools/avi/Video1Encoder.h"

namespace avi {
namespace {

uint8_t ScenePixel(int x, int y, int width, int height, int t) {
    int cx = (t * 5) % width, cy = height / 2 + (t % 7) - 3, r = height / 5 + 1;
    if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r) return uint8_t(120 + t % 4);
    int barLeft = (width - 1 - (t * 3) % width);
    if (x >= barLeft && x < barLeft + 6) return ((x + y) & 1) ? 200 : 201;
    if (x >= width / 8 && x < width / 8 + 12 && y >= height / 8 && y < height / 8 + 12)
        return uint8_t(64 + x * 3 + y * 5 + t);
    return uint8_t(16 + (y / 6) % 24);
}

Movie EmptyMovie(Codec codec, const SceneOptions& options, const std::vector<Colour>& palette) {
    Movie movie;
    movie.width = options.width;
    movie.height = options.height;
    movie.palette = palette;
    if (codec == Codec::Rle8) {
        movie.handler = options.handler ? options.handler : FourCC("mrle");
        movie.compression = 1; // BI_RLE8
    } else {
        movie.handler = options.handler ? options.handler : FourCC("CRAM");
        movie.compression = FourCC("CRAM");
    }
    return movie;
}

std::vector<Colour> ChangedColours() {
    return {{0, 0, 255, 0}, {0, 255, 0, 0}, {255, 0, 0, 0}, {255, 255, 255, 0}};
}

} // namespace

Frame8 SyntheticFrame(int width, int height, int t) {
    Frame8 frame{width, height, std::vector<uint8_t>(size_t(width) * size_t(height))};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            frame.pixels[size_t(y) * size_t(width) + size_t(x)] =
                ScenePixel(x, y, width, height, t);
    return frame;
}

std::vector<Colour> SyntheticPalette() {
    std::vector<Colour> palette(256);
    for (int i = 0; i < 256; ++i)
        palette[size_t(i)] = Colour{uint8_t(i), uint8_t(255 - i), uint8_t(i * 7), 0};
    return palette;
}

Movie MakeSyntheticMovie(Codec codec, const SceneOptions& options) {
    return EncodeMovie(codec, options, SyntheticPalette(),
                       [&](int t) { return SyntheticFrame(options.width, options.height, t); });
}

Movie EncodeMovie(Codec codec, const SceneOptions& options, const std::vector<Colour>& palette,
                  const std::function<Frame8(int t)>& frameAt) {
    Movie movie = EmptyMovie(codec, options, palette);
    Frame8 previous;
    for (int t = 0; t < options.frames; ++t) {
        if (t == options.paletteChangeAt) {
            movie.chunks.push_back(PaletteChange(120, ChangedColours()));
            for (size_t i = 0; i < 4; ++i)
                movie.palette[120 + i] = ChangedColours()[i];
        }
        Frame8 frame = frameAt(t);
        bool key = t == 0 || (options.keyInterval > 0 && t % options.keyInterval == 0);
        const Frame8* before = key ? nullptr : &previous;
        std::vector<uint8_t> data = codec == Codec::Rle8
                                        ? EncodeRle8(frame, before)
                                        : EncodeVideo1(frame, movie.palette.data(), before);
        movie.chunks.push_back(MovieChunk{FourCC("00dc"), std::move(data), key});
        previous = std::move(frame);
    }
    // The header's colours are those of the first frame.
    movie.palette = palette;
    return movie;
}

} // namespace avi
