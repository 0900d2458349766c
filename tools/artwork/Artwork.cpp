#include "tools/artwork/Artwork.h"

#include "tools/artwork/ColourStrip.h"
#include "tools/artwork/IconFile.h"
#include "tools/artwork/Trig.h"

namespace artwork {
namespace {

constexpr int kSpriteFrames = 180;
constexpr uint32_t kFrameMs = 30;
constexpr double kDegree = kPi / 180;
// Frame 0 and the stills show the letters turned a little, so their depth reads at once.
constexpr double kStartYaw = -28 * kDegree;

Animation Turning(const std::string& name, const LetterLook& look, int size) {
    return {name, size, LetterArt(look, size, 4).Render(FullTurn(kSpriteFrames, kStartYaw))};
}

Animation Still(const std::string& name, const LetterLook& look, int size, int supersample) {
    return {name, size, LetterArt(look, size, supersample).Render({kStartYaw})};
}

std::vector<uint8_t> EncodeFlc(const Animation& animation) {
    flic::FlicWriter writer({flic::Format::Flc, animation.size, animation.size, kFrameMs, true});
    for (const Picture& frame : animation.frames)
        writer.AddFrame(frame.data(), SaverPalette());
    return writer.Finish();
}

const Animation& Find(const std::vector<Animation>& animations, const std::string& name) {
    for (const Animation& a : animations)
        if (a.name == name) return a;
    return animations.front();
}

std::vector<uint8_t> EncodeIconPair(const std::vector<Animation>& animations,
                                    const std::string& prefix) {
    const Animation& large = Find(animations, prefix + "_icon32");
    const Animation& small = Find(animations, prefix + "_icon16");
    return EncodeIcon({{32, &large.frames[0]}, {16, &small.frames[0]}}, SaverPalette());
}

} // namespace

std::vector<Animation> RenderAnimations() {
    return {Turning("big", BigLetter(), 130),
            Turning("small", SmallLetter(), 70),
            Still("big_still", BigLetter(), 90, 6),
            Still("small_still", SmallLetter(), 90, 6),
            Still("big_icon32", BigLetter(), 32, 8),
            Still("big_icon16", BigLetter(), 16, 8),
            Still("small_icon32", SmallLetter(), 32, 8),
            Still("small_icon16", SmallLetter(), 16, 8)};
}

std::vector<ArtFile> EncodeArtwork(const std::vector<Animation>& animations) {
    std::vector<ArtFile> files;
    for (const char* name : {"big", "small", "big_still", "small_still"})
        files.push_back({std::string("flic/") + name + ".flc", EncodeFlc(Find(animations, name))});
    files.push_back({"icons/lumaris.ico", EncodeIconPair(animations, "big")});
    files.push_back({"icons/about.ico", EncodeIconPair(animations, "small")});
    files.push_back({"bitmaps/colour_strip.bmp", EncodeColourStrip()});
    return files;
}

} // namespace artwork
