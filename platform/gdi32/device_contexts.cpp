// Screen, window and memory device contexts. A window DC is made fresh by every GetDC and
// starts with the default palette, so nothing selected into it outlives ReleaseDC.
#include "platform/gdi32/objects.h"

using namespace platform::gdi;

namespace {

HDC NewDC(DcKind kind, HWND window) {
    auto dc = std::make_unique<DeviceContext>();
    dc->dcKind = kind;
    dc->window = window;
    dc->palette = DefaultPalette();
    dc->brush = StockBrush(WHITE_BRUSH);
    dc->font = StockFont(SYSTEM_FONT);
    if (kind == DcKind::Memory) dc->bitmap = StockBitmap();
    for (Object* selected : {static_cast<Object*>(dc->palette), static_cast<Object*>(dc->brush),
                             static_cast<Object*>(dc->font), static_cast<Object*>(dc->bitmap)}) {
        Reselect(nullptr, selected);
    }
    return static_cast<HDC>(Register(std::move(dc)));
}

void Free(DeviceContext* dc) {
    Reselect(dc->palette, nullptr);
    Reselect(dc->brush, nullptr);
    Reselect(dc->font, nullptr);
    Reselect(dc->bitmap, nullptr);
    Destroy(dc);
}

} // namespace

HDC WINAPI GetDC(HWND window) {
    if (!window) return NewDC(DcKind::Screen, nullptr);
    return IsWindow(window) ? NewDC(DcKind::Window, window) : nullptr;
}

// There is no non-client area to draw in; the whole-window DC is the client DC.
HDC WINAPI GetWindowDC(HWND window) {
    return GetDC(window);
}

int WINAPI ReleaseDC(HWND window, HDC dcHandle) {
    DeviceContext* dc = AsDC(dcHandle);
    if (!dc || dc->dcKind == DcKind::Memory || dc->window != window) return 0;
    Free(dc);
    return 1;
}

HDC WINAPI CreateCompatibleDC(HDC dcHandle) {
    if (dcHandle && !AsDC(dcHandle)) return nullptr;
    return NewDC(DcKind::Memory, nullptr);
}

BOOL WINAPI DeleteDC(HDC dcHandle) {
    DeviceContext* dc = AsDC(dcHandle);
    if (!dc) return FALSE;
    Free(dc);
    return TRUE;
}
