// One letter's look (shape, face colour, thickness, viewing angle) rendered into 8-bit
// pictures in the shared palette.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/artwork/ArtPalette.h"
#include "tools/artwork/Renderer.h"

namespace artwork {

enum class Letter { CapitalL, SmallM };

struct LetterLook {
    Letter letter;
    Ramp face;
    double depth;      // extrusion thickness, in letter heights
    double edgeRadius; // how far from an edge the surfaces look rounded
    double tilt;       // radians
};

LetterLook BigLetter();
LetterLook SmallLetter();

using Picture = std::vector<uint8_t>; // size x size indices, top row first

class LetterArt {
public:
    LetterArt(const LetterLook& look, int size, int supersample);

    // Fits the letter to the frame for all the turns given (radians), then renders them.
    std::vector<Picture> Render(const std::vector<double>& yaws);

private:
    Picture Quantise(const RenderedPicture& rendered) const;
    uint8_t PixelIndex(const PixelLight& light, int samplesPerPixel) const;

    LetterLook look_;
    Renderer renderer_;
};

// `count` turns evenly round a full circle from `start`.
std::vector<double> FullTurn(int count, double start);

} // namespace artwork
