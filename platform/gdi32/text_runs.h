// One line of text in a device context's font: measured, and drawn with the DC's text
// colour (over its background colour when the background mode is OPAQUE).
#pragma once
#include <string_view>

#include "platform/gdi32/objects.h"

namespace platform::gdi {

struct FontMetrics {
    LONG height = 0;
    LONG ascent = 0;
    LONG descent = 0;
    LONG averageWidth = 0;
    LONG maxWidth = 0;
};

// All 0 when no face can be opened.
FontMetrics MetricsOf(const DeviceContext& dc);
SIZE MeasureRun(const DeviceContext& dc, std::string_view text);

// (x, y) is the top-left corner of the text's cell; clip (DC coordinates) may be null.
void DrawRun(const DeviceContext& dc, LONG x, LONG y, std::string_view text, const RECT* clip);
// A one-pixel line in the text colour under part of a run drawn at (x, y).
void UnderlineRun(const DeviceContext& dc, LONG x, LONG y, LONG width, const RECT* clip);

} // namespace platform::gdi
