#include "platform/gdi32/font_faces.h"

#include <SDL_ttf.h>
#include <strings.h>

#include <algorithm>
#include <map>
#include <string>
#include <utility>

namespace platform::gdi {
namespace {

constexpr const char* kFontFolder = "/usr/share/fonts/truetype/dejavu/";
constexpr int kDefaultEm = 11; // 8 points at 96 dots per inch
constexpr int kLargestEm = 512;

bool Mentions(const char* face, const char* word) {
    return strcasestr(face, word) != nullptr;
}

// The proportional dialog faces become DejaVu Sans: at 8 points it gives a dialog the base
// units (7 x 13) that Wine gives the same template, so controls land where they do there.
std::string FamilyOf(const LOGFONTA& font) {
    const char* face = font.lfFaceName;
    bool fixed = (font.lfPitchAndFamily & 3) == FIXED_PITCH || Mentions(face, "mono") ||
                 Mentions(face, "courier") || Mentions(face, "fixed");
    if (fixed) return "DejaVuSansMono";
    if (Mentions(face, "condensed")) return "DejaVuSansCondensed";
    return "DejaVuSans";
}

std::string FileOf(const LOGFONTA& font) {
    bool bold = font.lfWeight >= FW_SEMIBOLD;
    bool italic = font.lfItalic != 0;
    std::string style = bold && italic ? "-BoldOblique" : bold ? "-Bold" : italic ? "-Oblique" : "";
    return kFontFolder + FamilyOf(font) + style + ".ttf";
}

using FaceKey = std::pair<std::string, int>;

// Faces stay open for the life of the process and close at its end, with SDL_ttf's own
// memory.
class FaceCache {
public:
    ~FaceCache() {
        for (auto& [key, face] : faces) {
            if (face) TTF_CloseFont(face);
        }
        if (initialised) TTF_Quit();
    }

    TTF_Font* Open(const std::string& file, int em) {
        FaceKey key{file, em};
        auto found = faces.find(key);
        if (found != faces.end()) return found->second;
        if (!initialised) initialised = TTF_Init() == 0;
        TTF_Font* face = initialised ? TTF_OpenFont(file.c_str(), em) : nullptr;
        if (face) TTF_SetFontHinting(face, TTF_HINTING_MONO);
        faces.emplace(key, face);
        return face;
    }

private:
    std::map<FaceKey, TTF_Font*> faces;
    bool initialised = false;
};

TTF_Font* Open(const std::string& file, int em) {
    static FaceCache cache;
    return cache.Open(file, em);
}

bool FitsCell(const std::string& file, int em, int cell) {
    TTF_Font* face = Open(file, em);
    return face && TTF_FontHeight(face) <= cell;
}

// A positive height asks for the whole cell: the largest size whose cell fits, searched from
// DejaVu's cell of about 1.17 em.
TTF_Font* OpenByCellHeight(const std::string& file, int cell) {
    int em = std::clamp(cell * 100 / 117, 1, kLargestEm);
    while (em > 1 && !FitsCell(file, em, cell))
        --em;
    while (em < kLargestEm && FitsCell(file, em + 1, cell))
        ++em;
    return Open(file, em);
}

} // namespace

TTF_Font* FaceOf(const LOGFONTA& font) {
    std::string file = FileOf(font);
    if (font.lfHeight == 0) return Open(file, kDefaultEm);
    if (font.lfHeight < 0) return Open(file, std::min(-font.lfHeight, kLargestEm));
    return OpenByCellHeight(file, font.lfHeight);
}

} // namespace platform::gdi
