// The kind of display emulated: true colour, or 256 colours through a system palette.
#pragma once

namespace platform {

enum class DisplayClass { TrueColour, Palette };

// Chosen at first use from LUMARIS_DISPLAY_CLASS=truecolour|palette (true colour otherwise).
DisplayClass CurrentDisplayClass();
void SetCurrentDisplayClass(DisplayClass displayClass);

} // namespace platform
