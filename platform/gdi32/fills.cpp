// Solid brushes and rectangle fills.
#include <algorithm>

#include "platform/gdi32/colour_translation.h"
#include "platform/gdi32/draw_target.h"

using namespace platform::gdi;

namespace {

// A brush handle of 1 to 25 stands for a system colour (COLOR_* + 1), as in a window
// class's background.
bool SystemColourOfBrush(HBRUSH brush, COLORREF* colour) {
    uintptr_t value = reinterpret_cast<uintptr_t>(brush);
    if (value < 1 || value > COLOR_INFOBK + 1) return false;
    *colour = GetSysColor(static_cast<int>(value - 1));
    return true;
}

template <typename Pixel, typename RowOf>
void FillArea(RowOf rowOf, const RECT& area, Pixel value) {
    for (LONG y = area.top; y < area.bottom; ++y) {
        Pixel* row = rowOf(y);
        std::fill(row + area.left, row + area.right, value);
    }
}

} // namespace

HBRUSH WINAPI CreateSolidBrush(COLORREF colour) {
    auto brush = std::make_unique<Brush>();
    brush->colour = colour & 0x00FFFFFF;
    return static_cast<HBRUSH>(Register(std::move(brush)));
}

int WINAPI FillRect(HDC dcHandle, const RECT* rect, HBRUSH brushHandle) {
    DeviceContext* dc = AsDC(dcHandle);
    COLORREF colour = 0;
    Brush* brush = AsBrush(brushHandle);
    if (brush) colour = brush->colour;
    if (!dc || !rect || (!brush && !SystemColourOfBrush(brushHandle, &colour))) return 0;
    DrawTarget target;
    if ((brush && brush->hollow) || !target.Resolve(*dc)) return 1;
    RECT area = Intersection(*rect, target.Clip());
    if (IsEmpty(area)) return 1;
    if (target.ForWindow()) {
        FillArea([&](LONG y) { return target.WindowRow(y); }, area, WindowValueOf(*dc, colour));
        target.Changed(area);
    } else {
        FillArea([&](LONG y) { return target.BitmapRow(y); }, area,
                 IndexValueOf(*target.TargetBitmap(), colour));
    }
    return 1;
}
