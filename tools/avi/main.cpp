// lumaris-avi: writes a generated 8-bit movie in a format no tool here writes.
// usage: lumaris-avi rle8|video1 OUT.avi [--size WxH] [--frames N] [--key-interval N]
//                    [--palette-change FRAME] [--handler CODE]
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tools/avi/SyntheticMovie.h"

namespace {

int Usage() {
    std::fprintf(stderr, "usage: lumaris-avi rle8|video1 OUT.avi [--size WxH] [--frames N] "
                         "[--key-interval N] [--palette-change FRAME] [--handler CODE]\n");
    return 2;
}

bool ParseOption(const char* name, const char* value, avi::SceneOptions& options) {
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
    for (int i = 3; i + 1 < argc; i += 2)
        if (!ParseOption(argv[i], argv[i + 1], options)) return Usage();
    if (!avi::SaveFile(argv[2], avi::WriteAvi(avi::MakeSyntheticMovie(codec, options)))) {
        std::fprintf(stderr, "lumaris-avi: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
