// The saver's colour state and the steps that give the stage its colours: entries 10 to 245
// are recomputed from the base palette through the hue, never from themselves, so repeated
// changes lose nothing. The other entries stay all-ones (white where the stage takes them).
#pragma once

#include <array>

#include "platform/win32.h"

class mBitmap;
class mDirector;

inline constexpr int kFirstMappedColour = 10;
inline constexpr int kLastMappedColour = 245;

struct ColourState {
    int hue = 0; // not clamped; its low byte is the hue
    bool animateColours = false;
    bool shiftColours = true; // false: colorize mode
    std::array<RGBQUAD, 256> basePalette{};
    std::array<RGBQUAD, 256> workPalette{};
};

// What a colour change reaches besides the stage; null members are absent.
struct ColourTargets {
    mDirector* stage = nullptr;
    mBitmap* headerBitmap = nullptr;                  // the preview copy's header
    mDirector* pictureStages[2] = {nullptr, nullptr}; // the settings dialog's pictures
};

// Reads the colour settings, captures the stage's colours as the base palette and gives the
// stage the mapped palette.
void StartColours(ColourState& colours, mDirector& stage);
// Every sixth frame: steps the hue (past 255 back to 0) and recolours. False when animation
// is off, so the settings dialog knows when to move its hue scroll bar.
bool AnimateColours(ColourState& colours, const ColourTargets& targets);
// Maps the base palette through the current hue and mode and hands it to every target.
void Recolour(ColourState& colours, const ColourTargets& targets);
