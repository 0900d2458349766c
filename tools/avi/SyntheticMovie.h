// A small generated movie for tests and benchmarks: static bands, a moving disc, a moving
// checkered bar and a many-coloured square, so every kind of run, literal and block occurs.
#pragma once
#include <functional>

#include "tools/avi/AviWriter.h"

namespace avi {

enum class Codec { Rle8, Video1 };

struct SceneOptions {
    int width = 64;
    int height = 48;
    int frames = 8;
    int keyInterval = 0;      // a key frame every n frames; 0: only the first
    int paletteChangeAt = -1; // frame before which colours 120 to 123 change; -1: none
    uint32_t handler = 0;     // 0: the codec's usual code
};

Frame8 SyntheticFrame(int width, int height, int t);
std::vector<Colour> SyntheticPalette();
Movie MakeSyntheticMovie(Codec codec, const SceneOptions& options);
// Frames 0 to options.frames - 1 from frameAt, starting in palette.
Movie EncodeMovie(Codec codec, const SceneOptions& options, const std::vector<Colour>& palette,
                  const std::function<Frame8(int t)>& frameAt);

} // namespace avi
