#include "platform/user32/dialog/dialog_units.h"

#include <cstdint>

#include "platform/user32/dialog/dialog_state.h"

namespace platform {
namespace {

constexpr int kScreenDotsPerInch = 96;
constexpr int kPointsPerInch = 72;
constexpr const char* kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

LONG Scale(LONG value, LONG numerator, LONG denominator) {
    int64_t product = static_cast<int64_t>(value) * numerator;
    int64_t half = denominator / 2;
    return static_cast<LONG>(product >= 0 ? (product + half) / denominator
                                          : (product - half) / denominator);
}

} // namespace

HFONT DialogFontOf(const DialogDescription& description, bool* owned) {
    *owned = false;
    if (description.hasFont) {
        LONG height = -Scale(description.font.pointSize, kScreenDotsPerInch, kPointsPerInch);
        HFONT font = CreateFontA(height, 0, 0, 0, description.font.weight, description.font.italic,
                                 FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                 CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                 description.font.face.c_str());
        *owned = font != nullptr;
        if (font) return font;
    }
    return static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

SIZE BaseUnitsOf(HFONT font) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, font);
    SIZE extent{};
    TEXTMETRICA metrics{};
    GetTextExtentPoint32A(dc, kAlphabet, 52, &extent);
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    SIZE units{(extent.cx / 26 + 1) / 2, metrics.tmHeight};
    // Without a face to measure, the system font's classic units keep layouts usable.
    return units.cx > 0 && units.cy > 0 ? units : SIZE{8, 16};
}

RECT UnitsToPixels(const RECT& units, SIZE baseUnits) {
    LONG left = Scale(units.left, baseUnits.cx, 4), top = Scale(units.top, baseUnits.cy, 8);
    return RECT{left, top, left + Scale(units.right - units.left, baseUnits.cx, 4),
                top + Scale(units.bottom - units.top, baseUnits.cy, 8)};
}

} // namespace platform

using namespace platform;

BOOL WINAPI MapDialogRect(HWND dialog, LPRECT rect) {
    DialogState* state = FindDialogState(dialog);
    if (!state || !rect) return FALSE;
    SIZE units = state->baseUnits;
    *rect = RECT{Scale(rect->left, units.cx, 4), Scale(rect->top, units.cy, 8),
                 Scale(rect->right, units.cx, 4), Scale(rect->bottom, units.cy, 8)};
    return TRUE;
}

LONG WINAPI GetDialogBaseUnits(void) {
    SIZE units = BaseUnitsOf(static_cast<HFONT>(GetStockObject(SYSTEM_FONT)));
    return MAKELONG(units.cx, units.cy);
}
