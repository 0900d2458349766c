// The test controls of platform/testing/display.h.
#include "platform/drivers/display/headless/headless_backend.h"
#include "platform/gdi32/system_palette.h"
#include "platform/testing/display.h"

namespace platform::testing {
namespace {

HeadlessBackend* Headless() {
    return dynamic_cast<HeadlessBackend*>(&Display());
}

} // namespace

void SetDisplayClass(DisplayClass displayClass) {
    SetCurrentDisplayClass(displayClass);
    gdi::TheSystemPalette().Reset();
    Display().ClearFramebuffers();
}

void SetDesktopSize(LONG width, LONG height) {
    if (HeadlessBackend* headless = Headless()) headless->SetDesktopSize(SIZE{width, height});
}

COLORREF ShownPixel(HWND window, int x, int y) {
    HDC dc = GetDC(window);
    COLORREF shown = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return shown;
}

std::vector<COLORREF> ShownClientPixels(HWND window) {
    std::vector<COLORREF> pixels;
    RECT client;
    if (!GetClientRect(window, &client)) return pixels;
    HDC dc = GetDC(window);
    for (LONG y = 0; y < client.bottom; ++y) {
        for (LONG x = 0; x < client.right; ++x)
            pixels.push_back(GetPixel(dc, x, y));
    }
    ReleaseDC(window, dc);
    return pixels;
}

std::vector<PresentRecord> Presents() {
    HeadlessBackend* headless = Headless();
    if (!headless) return {};
    return std::vector<PresentRecord>(headless->Presents().begin(), headless->Presents().end());
}

void ResetPresentCounts() {
    if (HeadlessBackend* headless = Headless()) headless->ForgetPresents();
}

void ResetDisplay() {
    SetDisplayClass(DisplayClass::TrueColour);
    SetDesktopSize(1024, 768);
    ResetPresentCounts();
}

} // namespace platform::testing
