// Text in a device context: one-line output, extents, metrics, colours and background mode.
#include <string_view>
#include <utility>

#include "platform/gdi32/text_runs.h"

using namespace platform::gdi;

namespace {

// A negative length means the text runs to its NUL, as DrawTextA takes it.
std::string_view TextOf(LPCSTR text, int length) {
    if (!text) return {};
    return length < 0 ? std::string_view(text) : std::string_view(text, length);
}

// A setting of the DC: its new value in, the old one out; the failure value for a handle
// that is not a DC.
template <typename T> T Swap(HDC dcHandle, T DeviceContext::*field, T value, T failure) {
    DeviceContext* dc = AsDC(dcHandle);
    return dc ? std::exchange(dc->*field, value) : failure;
}

template <typename T> T Read(HDC dcHandle, T DeviceContext::*field, T failure) {
    DeviceContext* dc = AsDC(dcHandle);
    return dc ? dc->*field : failure;
}

} // namespace

BOOL WINAPI TextOutA(HDC dcHandle, int x, int y, LPCSTR text, int length) {
    DeviceContext* dc = AsDC(dcHandle);
    if (!dc || (!text && length > 0) || length < 0) return FALSE;
    DrawRun(*dc, x, y, TextOf(text, length), nullptr);
    return TRUE;
}

BOOL WINAPI GetTextExtentPoint32A(HDC dcHandle, LPCSTR text, int length, LPSIZE size) {
    DeviceContext* dc = AsDC(dcHandle);
    if (!dc || !size || length < 0 || (!text && length > 0)) return FALSE;
    *size = MeasureRun(*dc, TextOf(text, length));
    return TRUE;
}

BOOL WINAPI GetTextMetricsA(HDC dcHandle, LPTEXTMETRICA metrics) {
    DeviceContext* dc = AsDC(dcHandle);
    if (!dc || !metrics) return FALSE;
    FontMetrics font = MetricsOf(*dc);
    *metrics = TEXTMETRICA{};
    metrics->tmHeight = font.height;
    metrics->tmAscent = font.ascent;
    metrics->tmDescent = font.descent;
    metrics->tmAveCharWidth = font.averageWidth;
    metrics->tmMaxCharWidth = font.maxWidth;
    metrics->tmWeight = dc->font->logFont.lfWeight ? dc->font->logFont.lfWeight : FW_NORMAL;
    metrics->tmDigitizedAspectX = metrics->tmDigitizedAspectY = 96;
    metrics->tmFirstChar = 0x20;
    metrics->tmLastChar = 0xFF;
    metrics->tmDefaultChar = '?';
    metrics->tmBreakChar = ' ';
    metrics->tmItalic = dc->font->logFont.lfItalic;
    metrics->tmPitchAndFamily = dc->font->logFont.lfPitchAndFamily;
    return TRUE;
}

COLORREF WINAPI SetTextColor(HDC dc, COLORREF colour) {
    return Swap(dc, &DeviceContext::textColour, colour, COLORREF{CLR_INVALID});
}

COLORREF WINAPI GetTextColor(HDC dc) {
    return Read(dc, &DeviceContext::textColour, COLORREF{CLR_INVALID});
}

COLORREF WINAPI SetBkColor(HDC dc, COLORREF colour) {
    return Swap(dc, &DeviceContext::backgroundColour, colour, COLORREF{CLR_INVALID});
}

COLORREF WINAPI GetBkColor(HDC dc) {
    return Read(dc, &DeviceContext::backgroundColour, COLORREF{CLR_INVALID});
}

int WINAPI SetBkMode(HDC dc, int mode) {
    if (mode != TRANSPARENT && mode != OPAQUE) return 0;
    return Swap(dc, &DeviceContext::backgroundMode, mode, 0);
}

int WINAPI GetBkMode(HDC dc) {
    return Read(dc, &DeviceContext::backgroundMode, 0);
}
