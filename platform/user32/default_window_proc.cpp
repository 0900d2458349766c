// DefWindowProcA: what a window does with the messages its procedure passes on.
#include "platform/kernel32/string_copy.h"
#include "platform/user32/window/manager.h"
#include "platform/user32/window/table.h"

namespace platform {
namespace {

constexpr LPARAM kAltHeld = 1 << 29;
constexpr LRESULT kMouseActivate = 1;

LRESULT EraseBackground(HWND window, HDC dc) {
    const Window* record = FindWindowRecord(window);
    if (!record || !dc) return 0;
    HBRUSH brush = record->windowClass->info.hbrBackground;
    if (!brush) return 0;
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, brush);
    return 1;
}

LRESULT SystemCommand(HWND window, WPARAM command) {
    if ((command & 0xFFF0) == SC_CLOSE) SendMessageA(window, WM_CLOSE, 0, 0);
    return 0;
}

LRESULT SetTitle(HWND window, LPCSTR text) {
    Window* record = FindWindowRecord(window);
    if (!record) return FALSE;
    record->title = text ? text : "";
    return TRUE;
}

LRESULT CopyTitle(HWND window, LPSTR buffer, int size) {
    const Window* record = FindWindowRecord(window);
    return record ? CopyStringOut(record->title, buffer, size) : 0;
}

LRESULT TitleLength(HWND window) {
    const Window* record = FindWindowRecord(window);
    return record ? static_cast<LRESULT>(record->title.size()) : 0;
}

// A parent may decide the cursor for its children; else the class cursor is set over the
// client area.
LRESULT SetClassCursor(HWND window, WPARAM wParam, LPARAM lParam) {
    const Window* record = FindWindowRecord(window);
    if (!record) return FALSE;
    if (record->IsChild() && SendMessageA(record->parent, WM_SETCURSOR, wParam, lParam)) {
        return TRUE;
    }
    record = FindWindowRecord(window);
    if (!record || LOWORD(lParam) != HTCLIENT || !record->windowClass->info.hCursor) {
        return FALSE;
    }
    SetCursor(record->windowClass->info.hCursor);
    return TRUE;
}

// Help goes up to the parent of a child or the owner of a top-level window; a context menu
// request only from a child to its parent.
LRESULT ForwardToParent(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const Window* record = FindWindowRecord(window);
    if (!record) return 0;
    HWND up = record->IsChild() ? record->parent : nullptr;
    if (message == WM_HELP && !up) up = record->owner;
    return up ? SendMessageA(up, message, wParam, lParam) : 0;
}

LRESULT SystemKeyDown(HWND window, WPARAM virtualKey, LPARAM lParam) {
    if (virtualKey == VK_F4 && (lParam & kAltHeld)) {
        SendMessageA(TopLevelOf(window), WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    return 0;
}

// Controls are drawn in the window text colour on the button face; edits on the window colour.
LRESULT ControlColours(UINT message, HDC dc) {
    int background =
        message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX ? COLOR_WINDOW : COLOR_BTNFACE;
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(background));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(background));
}

LRESULT Paint(HWND window) {
    PAINTSTRUCT paint;
    if (BeginPaint(window, &paint)) EndPaint(window, &paint);
    return 0;
}

} // namespace
} // namespace platform

using namespace platform;

LRESULT WINAPI DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE:
    case WM_NCACTIVATE:
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_PAINT:
        return Paint(window);
    case WM_ERASEBKGND:
        return EraseBackground(window, reinterpret_cast<HDC>(wParam));
    case WM_SYSCOMMAND:
        return SystemCommand(window, wParam);
    case WM_SETTEXT:
        return SetTitle(window, reinterpret_cast<LPCSTR>(lParam));
    case WM_GETTEXT:
        return CopyTitle(window, reinterpret_cast<LPSTR>(lParam), static_cast<int>(wParam));
    case WM_GETTEXTLENGTH:
        return TitleLength(window);
    case WM_SETCURSOR:
        return SetClassCursor(window, wParam, lParam);
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) SetFocus(window);
        return 0;
    case WM_MOUSEACTIVATE:
        return kMouseActivate;
    case WM_NCHITTEST:
        return HTCLIENT;
    case WM_SYSKEYDOWN:
        return SystemKeyDown(window, wParam, lParam);
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return ControlColours(message, reinterpret_cast<HDC>(wParam));
    case WM_HELP:
    case WM_CONTEXTMENU:
        return ForwardToParent(window, message, wParam, lParam);
    default:
        return 0;
    }
}
