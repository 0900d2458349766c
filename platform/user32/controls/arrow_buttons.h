// The square buttons with a black triangle that scroll bars and up-down controls share.
#pragma once
#include "platform/win32.h"

namespace platform {

enum class ArrowDirection { Left, Right, Up, Down };

// Raised, or pressed in (flat shadow frame, glyph one pixel down and right); a disabled
// glyph is embossed grey.
void DrawArrowButton(HDC dc, RECT rect, ArrowDirection direction, bool pressed, bool enabled);

// The light and face pixels of a scroll track or a pressed-in toggle, dithered.
void DrawDither(HDC dc, const RECT& rect);

} // namespace platform
