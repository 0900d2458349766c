#include "tools/artwork/Preview.h"

#include <filesystem>

#include "tools/artwork/PngWriter.h"
#include "tools/artwork/Recolour.h"

namespace artwork {
namespace {

struct Look {
    const char* suffix;
    bool recolour;
    int hue;
    bool shift;
};

constexpr Look kLooks[] = {{"plain", false, 0, true},
                           {"shift96", true, 96, true},
                           {"shift170", true, 170, true},
                           {"colorize40", true, 40, false}};
constexpr int kSheetColumns = 6;
constexpr int kSheetStep = 10;

// Frames 0, 10, 20, ... side by side, enlarged twice, so motion and shading read at a glance.
Picture ContactSheet(const Animation& a, int& width, int& height) {
    int count = (static_cast<int>(a.frames.size()) + kSheetStep - 1) / kSheetStep;
    int rows = (count + kSheetColumns - 1) / kSheetColumns;
    int cell = a.size * 2;
    width = cell * std::min(count, kSheetColumns);
    height = cell * rows;
    Picture sheet(static_cast<size_t>(width) * height, 0);
    for (int i = 0; i < count; ++i) {
        const Picture& frame = a.frames[static_cast<size_t>(i) * kSheetStep];
        int left = (i % kSheetColumns) * cell, top = (i / kSheetColumns) * cell;
        for (int y = 0; y < cell; ++y)
            for (int x = 0; x < cell; ++x)
                sheet[static_cast<size_t>(top + y) * width + left + x] =
                    frame[static_cast<size_t>(y / 2) * a.size + x / 2];
    }
    return sheet;
}

} // namespace

bool WritePreviews(const std::vector<Animation>& animations, const std::string& directory) {
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    bool ok = true;
    for (const Animation& a : animations) {
        int width = 0, height = 0;
        Picture sheet = ContactSheet(a, width, height);
        for (const Look& look : kLooks) {
            flic::Palette palette =
                look.recolour ? Recoloured(SaverPalette(), look.hue, look.shift) : SaverPalette();
            std::string path = directory + "/" + a.name + "_" + look.suffix + ".png";
            ok = WritePng(path, sheet.data(), width, height, palette) && ok;
        }
    }
    return ok;
}

} // namespace artwork
