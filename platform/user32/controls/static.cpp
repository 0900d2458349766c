// The STATIC class: text (left, centred, right; wrapped unless SS_LEFTNOWORDWRAP or
// SS_SIMPLE), etched and plain frames and rectangles, and icon and bitmap pictures, which
// size the control to themselves. Clicks pass through to the window below unless
// SS_NOTIFY.
#include "platform/user32/controls/control_common.h"
#include "platform/user32/controls/control_procedures.h"
#include "platform/user32/controls/control_states.h"

namespace platform {
namespace {

constexpr int kIconSide = 32;

struct StaticState {
    HANDLE image = nullptr;
    bool ownsImage = false; // loaded from the template's resource number
};

ControlStates<StaticState>& States() {
    static ControlStates<StaticState> states;
    return states;
}

DWORD KindOf(HWND control) {
    return StyleOf(control) & SS_TYPEMASK;
}

// A picture's size, unless SS_CENTERIMAGE or SS_REALSIZECONTROL keep the control's own.
void FitToImage(HWND control) {
    if (StyleOf(control) & SS_CENTERIMAGE) return;
    HANDLE image = States().Of(control).image;
    SIZE size{kIconSide, kIconSide};
    if (KindOf(control) == SS_BITMAP) {
        BITMAP info{};
        if (!image || !GetObjectA(image, sizeof info, &info)) return;
        size = SIZE{info.bmWidth, info.bmHeight};
    }
    if (image) {
        SetWindowPos(control, nullptr, 0, 0, size.cx, size.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void ReleaseImage(HWND control) {
    StaticState& state = States().Of(control);
    if (state.ownsImage && KindOf(control) == SS_BITMAP) DeleteObject(state.image);
    state.image = nullptr;
    state.ownsImage = false;
}

HANDLE SetImage(HWND control, HANDLE image, bool owned) {
    StaticState& state = States().Of(control);
    HANDLE previous = state.ownsImage ? nullptr : state.image;
    if (state.ownsImage) ReleaseImage(control);
    state.image = image;
    state.ownsImage = owned;
    FitToImage(control);
    InvalidateRect(control, nullptr, TRUE);
    return previous;
}

// The title names the picture: "\xFF" and a resource number, or a resource name.
void LoadTemplateImage(HWND control, const CREATESTRUCTA* create) {
    DWORD kind = KindOf(control);
    if ((kind != SS_ICON && kind != SS_BITMAP) || !create->lpszName || !*create->lpszName) return;
    const auto* title = reinterpret_cast<const BYTE*>(create->lpszName);
    LPCSTR name =
        title[0] == 0xFF ? MAKEINTRESOURCEA(title[1] | (title[2] << 8)) : create->lpszName;
    auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(control, GWLP_HINSTANCE));
    HANDLE image = kind == SS_ICON ? static_cast<HANDLE>(LoadIconA(instance, name))
                                   : static_cast<HANDLE>(LoadBitmapA(instance, name));
    SetImage(control, image, kind == SS_BITMAP && image);
    SetWindowTextA(control, "");
}

void DrawBitmap(HDC dc, HBITMAP bitmap) {
    BITMAP info{};
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info)) return;
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
}

UINT TextFormat(DWORD style) {
    UINT format = 0;
    DWORD kind = style & SS_TYPEMASK;
    if (kind == SS_CENTER) format |= DT_CENTER;
    if (kind == SS_RIGHT) format |= DT_RIGHT;
    if (kind != SS_SIMPLE && kind != SS_LEFTNOWORDWRAP) format |= DT_WORDBREAK;
    if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
    return format;
}

// Black, grey and white rectangles and frames, and the etched lines and frame.
void DrawFrame(HDC dc, RECT rect, DWORD kind) {
    static const int colours[] = {COLOR_WINDOWFRAME, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT};
    if (kind == SS_ETCHEDFRAME || kind == SS_ETCHEDHORZ || kind == SS_ETCHEDVERT) {
        UINT sides = kind == SS_ETCHEDFRAME ? BF_RECT : kind == SS_ETCHEDHORZ ? BF_TOP : BF_LEFT;
        DrawEdge(dc, &rect, EDGE_ETCHED, sides);
    } else if (kind >= SS_BLACKFRAME) {
        FrameRect(dc, &rect, GetSysColorBrush(colours[kind - SS_BLACKFRAME]));
    } else {
        FillRect(dc, &rect, GetSysColorBrush(colours[kind - SS_BLACKRECT]));
    }
}

bool IsFrame(DWORD kind) {
    return (kind >= SS_BLACKRECT && kind <= SS_WHITEFRAME) ||
           (kind >= SS_ETCHEDHORZ && kind <= SS_ETCHEDFRAME);
}

void Paint(HWND control) {
    ControlPaint paint(control, WM_CTLCOLORSTATIC);
    if (!paint.Dc()) return;
    DWORD style = StyleOf(control), kind = style & SS_TYPEMASK;
    HANDLE image = States().Of(control).image;
    if (IsFrame(kind)) {
        DrawFrame(paint.Dc(), paint.Client(), kind);
        return;
    }
    FillRect(paint.Dc(), &paint.Client(), paint.Background());
    if (kind == SS_ICON) {
        DrawIcon(paint.Dc(), 0, 0, static_cast<HICON>(image));
    } else if (kind == SS_BITMAP) {
        DrawBitmap(paint.Dc(), static_cast<HBITMAP>(image));
    } else if (kind <= SS_RIGHT || kind == SS_SIMPLE || kind == SS_LEFTNOWORDWRAP) {
        DrawControlText(paint.Dc(), WindowText(control), paint.Client(), TextFormat(style),
                        IsWindowEnabled(control) != FALSE);
    }
}

LRESULT SetImageMessage(HWND control, WPARAM type, LPARAM image) {
    bool matches = (type == IMAGE_BITMAP && KindOf(control) == SS_BITMAP) ||
                   (type == IMAGE_ICON && KindOf(control) == SS_ICON);
    if (!matches) return 0;
    return reinterpret_cast<LRESULT>(SetImage(control, reinterpret_cast<HANDLE>(image), false));
}

} // namespace

LRESULT CALLBACK StaticProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result;
    if (HandleCommonMessage(control, message, wParam, lParam, &result)) return result;
    switch (message) {
    case WM_CREATE:
        LoadTemplateImage(control, reinterpret_cast<const CREATESTRUCTA*>(lParam));
        return 0;
    case WM_GETDLGCODE:
        return DLGC_STATIC;
    case WM_NCHITTEST:
        return (StyleOf(control) & SS_NOTIFY) ? HTCLIENT : HTTRANSPARENT;
    case WM_LBUTTONDOWN:
        if (StyleOf(control) & SS_NOTIFY) NotifyParent(control, STN_CLICKED);
        return 0;
    case STM_SETIMAGE:
        return SetImageMessage(control, wParam, lParam);
    case STM_SETICON:
        return SetImageMessage(control, IMAGE_ICON, static_cast<LPARAM>(wParam));
    case STM_GETIMAGE:
    case STM_GETICON:
        return reinterpret_cast<LRESULT>(States().Of(control).image);
    case WM_SETTEXT:
        result = DefWindowProcA(control, message, wParam, lParam);
        InvalidateRect(control, nullptr, TRUE);
        return result;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint(control);
        return 0;
    case WM_NCDESTROY:
        ReleaseImage(control);
        States().Forget(control);
        return 0;
    default:
        return DefWindowProcA(control, message, wParam, lParam);
    }
}

} // namespace platform
