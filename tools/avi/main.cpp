// lumaris-avi: writes a generated 8-bit movie in a format no tool here writes.
// usage: lumaris-avi rle8|video1 OUT.avi [--size WxH] [--frames N] [--key-interval N]
//                    [--palette-change FRAME] [--handler CODE] [--source FRAMES.pal8]
// With --source the frames are those of a raw pal8 file of the given size (as ffmpeg writes
// with -f rawvideo -pix_fmt pal8), repeated as needed, in its first frame's colours.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tools/avi/Pal8Frames.h"
#include "tools/avi/SyntheticMovie.h"

namespace {

int Usage() {
    std::fprintf(stderr, "usage: lumaris-avi rle8|video1 OUT.avi [--size WxH] [--frames N] "
                         "[--key-interval N] [--palette-change FRAME] [--handler CODE] "
                         "[--source FRAMES.pal8]\n");
    return 2;
}

bool ParseOption(const char* name, const char* value, avi::SceneOptions& options,
                 std::string& source) {
    if (!std::strcmp(name, "--source")) {
        source = value;
        return true;
    }
    if (!std::strcmp(name, "--size"))
        return std::sscanf(value, "%dx%d", &options.width, &options.height) == 2 &&
               options.width > 0 && options.height > 0 && options.width <= 4096 &&
               options.height <= 4096;
    if (!std::strcmp(name, "--handler") && std::strlen(value) == 4) {
        options.handler = avi::FourCC({value[0], value[1], value[2], value[3], 0});
        return true;
    }
    int* number = !std::strcmp(name, "--frames")           ? &options.frames
                  : !std::strcmp(name, "--key-interval")   ? &options.keyInterval
                  : !std::strcmp(name, "--palette-change") ? &options.paletteChangeAt
                                                           : nullptr;
    if (!number) return false;
    char* end = nullptr;
    *number = int(std::strtol(value, &end, 10));
    return *end == 0 && *number >= 0 && *number <= 100000;
}

bool MakeSourceMovie(avi::Codec codec, const avi::SceneOptions& options, const std::string& source,
                     avi::Movie& movie) {
    avi::Pal8Frames input;
    if (!avi::ReadPal8Frames(source, options.width, options.height, input)) return false;
    movie = avi::EncodeMovie(codec, options, input.palette,
                             [&](int t) { return input.frames[size_t(t) % input.frames.size()]; });
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argc % 2 == 0) return Usage();
    avi::Codec codec;
    if (!std::strcmp(argv[1], "rle8"))
        codec = avi::Codec::Rle8;
    else if (!std::strcmp(argv[1], "video1"))
        codec = avi::Codec::Video1;
    else
        return Usage();
    avi::SceneOptions options;
    std::string source;
    for (int i = 3; i + 1 < argc; i += 2)
        if (!ParseOption(argv[i], argv[i + 1], options, source)) return Usage();
    avi::Movie movie;
    if (source.empty()) {
        movie = avi::MakeSyntheticMovie(codec, options);
    } else if (!MakeSourceMovie(codec, options, source, movie)) {
        std::fprintf(stderr, "lumaris-avi: no %dx%d pal8 frames in %s\n", options.width,
                     options.height, source.c_str());
        return 1;
    }
    if (!avi::SaveFile(argv[2], avi::WriteAvi(movie))) {
        std::fprintf(stderr, "lumaris-avi: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
