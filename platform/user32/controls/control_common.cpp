#include "platform/user32/controls/control_common.h"

#include <map>
#include <vector>

namespace platform {
namespace {

std::map<HWND, HFONT>& Fonts() {
    static std::map<HWND, HFONT> fonts;
    return fonts;
}

HFONT FontOf(HWND control) {
    auto found = Fonts().find(control);
    return found == Fonts().end() ? nullptr : found->second;
}

} // namespace

bool HandleCommonMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                         LRESULT* result) {
    *result = 0;
    switch (message) {
    case WM_SETFONT:
        Fonts()[control] = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam)) InvalidateRect(control, nullptr, TRUE);
        return true;
    case WM_GETFONT:
        *result = reinterpret_cast<LRESULT>(FontOf(control));
        return true;
    case WM_ENABLE:
        InvalidateRect(control, nullptr, TRUE);
        return true;
    case WM_NCDESTROY:
        Fonts().erase(control);
        return false;
    default:
        return false;
    }
}

ControlPaint::ControlPaint(HWND control, UINT colourMessage) : control(control) {
    BeginPaint(control, &paint);
    GetClientRect(control, &client);
    if (!paint.hdc) return;
    HFONT font = FontOf(control);
    previousFont = SelectObject(paint.hdc, font ? font : GetStockObject(SYSTEM_FONT));
    HWND parent = GetParent(control);
    background = reinterpret_cast<HBRUSH>(SendMessageA(parent ? parent : control, colourMessage,
                                                       reinterpret_cast<WPARAM>(paint.hdc),
                                                       reinterpret_cast<LPARAM>(control)));
    if (!background) {
        background = reinterpret_cast<HBRUSH>(DefWindowProcA(control, colourMessage,
                                                             reinterpret_cast<WPARAM>(paint.hdc),
                                                             reinterpret_cast<LPARAM>(control)));
    }
}

ControlPaint::~ControlPaint() {
    if (paint.hdc && previousFont) SelectObject(paint.hdc, previousFont);
    EndPaint(control, &paint);
}

DWORD StyleOf(HWND control) {
    return static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE));
}

bool HasBorder(HWND control) {
    return (StyleOf(control) & WS_BORDER) ||
           (GetWindowLongA(control, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
}

void NotifyParent(HWND control, WORD code) {
    HWND parent = GetParent(control);
    if (!parent) return;
    SendMessageA(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
                 reinterpret_cast<LPARAM>(control));
}

std::string WindowText(HWND control) {
    int length = GetWindowTextLengthA(control);
    std::vector<char> text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
    GetWindowTextA(control, text.data(), static_cast<int>(text.size()));
    return text.data();
}

void DrawControlText(HDC dc, const std::string& text, RECT rect, UINT format, bool enabled) {
    int mode = SetBkMode(dc, TRANSPARENT);
    if (enabled) {
        DrawTextA(dc, text.c_str(), -1, &rect, format);
    } else {
        COLORREF colour = SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
        OffsetRect(&rect, 1, 1);
        DrawTextA(dc, text.c_str(), -1, &rect, format);
        OffsetRect(&rect, -1, -1);
        SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
        DrawTextA(dc, text.c_str(), -1, &rect, format);
        SetTextColor(dc, colour);
    }
    SetBkMode(dc, mode);
}

} // namespace platform
