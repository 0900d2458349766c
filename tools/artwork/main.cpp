// lumaris-artwork OUTDIR [--preview DIR]: generates the program's pictures below OUTDIR
// (the resources folder); with --preview also writes PNGs of the frames, plain and
// recoloured as the saver would, for looking at.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "tools/artwork/Artwork.h"
#include "tools/artwork/Preview.h"

namespace {

bool WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

int Usage() {
    std::fprintf(stderr, "usage: lumaris-artwork OUTDIR [--preview DIR]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2 && !(argc == 4 && std::strcmp(argv[2], "--preview") == 0)) return Usage();
    std::vector<artwork::Animation> animations = artwork::RenderAnimations();
    for (const artwork::ArtFile& file : artwork::EncodeArtwork(animations)) {
        std::filesystem::path path = std::filesystem::path(argv[1]) / file.path;
        if (!WriteFile(path, file.bytes)) {
            std::fprintf(stderr, "lumaris-artwork: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    if (argc == 4 && !artwork::WritePreviews(animations, argv[3])) {
        std::fprintf(stderr, "lumaris-artwork: cannot write previews to %s\n", argv[3]);
        return 1;
    }
    return 0;
}
