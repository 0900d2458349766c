// The EDIT class, single-line: typing, Backspace and Delete, the caret moved by the arrows,
// Home and End (with Shift selecting), selection by the mouse, a text limit (EN_MAXTEXT when
// typing hits it), digits only with ES_NUMBER. The parent hears EN_CHANGE after each change
// and EN_SETFOCUS and EN_KILLFOCUS.
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "platform/user32/controls/control_common.h"
#include "platform/user32/controls/control_procedures.h"
#include "platform/user32/controls/control_states.h"
#include "platform/user32/controls/edit_text.h"

namespace platform {
namespace {

constexpr LONG kMargin = 1;
constexpr LONG kBorder = 2;

struct EditState {
    EditText text;
    LONG scroll = 0; // pixels of text left of the visible area
    bool focused = false;
    bool selecting = false; // a mouse drag is choosing the selection
    bool modified = false;
};

ControlStates<EditState>& States() {
    static ControlStates<EditState> states;
    return states;
}

// Where the text goes, in client coordinates.
RECT TextArea(HWND edit) {
    RECT area;
    GetClientRect(edit, &area);
    LONG inset = (HasBorder(edit) ? kBorder : 0) + kMargin;
    InflateRect(&area, -inset, -inset);
    return area;
}

// Width in pixels of the first `count` characters.
LONG WidthOf(HWND edit, size_t count) {
    const std::string& text = States().Of(edit).text.Text();
    HDC dc = GetDC(edit);
    auto font = reinterpret_cast<HFONT>(SendMessageA(edit, WM_GETFONT, 0, 0));
    HGDIOBJ previous = SelectObject(dc, font ? font : GetStockObject(SYSTEM_FONT));
    SIZE size{};
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(std::min(count, text.size())), &size);
    SelectObject(dc, previous);
    ReleaseDC(edit, dc);
    return size.cx;
}

// The character boundary nearest to a client x.
size_t PositionAt(HWND edit, LONG x) {
    const EditState& state = States().Of(edit);
    LONG target = x - TextArea(edit).left + state.scroll;
    size_t best = 0;
    LONG bestDistance = std::numeric_limits<LONG>::max();
    for (size_t i = 0; i <= state.text.Text().size(); ++i) {
        LONG distance = std::abs(WidthOf(edit, i) - target);
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

void ScrollToCaret(HWND edit) {
    EditState& state = States().Of(edit);
    RECT area = TextArea(edit);
    LONG width = std::max<LONG>(area.right - area.left - 1, 1);
    LONG caret = WidthOf(edit, state.text.Caret());
    if (caret < state.scroll) state.scroll = caret;
    if (caret - state.scroll > width) state.scroll = caret - width;
}

void Changed(HWND edit) {
    States().Of(edit).modified = true;
    ScrollToCaret(edit);
    InvalidateRect(edit, nullptr, TRUE);
    NotifyParent(edit, EN_UPDATE);
    NotifyParent(edit, EN_CHANGE);
}

void Moved(HWND edit) {
    ScrollToCaret(edit);
    InvalidateRect(edit, nullptr, TRUE);
}

bool Accepts(HWND edit, char character) {
    auto c = static_cast<unsigned char>(character);
    if (c < 0x20 || c == 0x7F) return false;
    return !(StyleOf(edit) & ES_NUMBER) || std::isdigit(c);
}

char Cased(HWND edit, char character) {
    auto c = static_cast<unsigned char>(character);
    if (StyleOf(edit) & ES_UPPERCASE) return static_cast<char>(std::toupper(c));
    if (StyleOf(edit) & ES_LOWERCASE) return static_cast<char>(std::tolower(c));
    return character;
}

void Type(HWND edit, char character) {
    EditState& state = States().Of(edit);
    if (StyleOf(edit) & ES_READONLY) return;
    if (character == '\b') {
        if (state.text.EraseBackward()) Changed(edit);
        return;
    }
    if (!Accepts(edit, character)) return;
    if (!state.text.Replace(std::string(1, Cased(edit, character)))) {
        NotifyParent(edit, EN_MAXTEXT);
        return;
    }
    Changed(edit);
}

bool KeyDown(HWND edit, WPARAM key) {
    EditState& state = States().Of(edit);
    bool shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
    size_t caret = state.text.Caret(), end = state.text.Text().size();
    switch (key) {
    case VK_LEFT:
        state.text.MoveCaret(caret > 0 ? caret - 1 : 0, shift);
        break;
    case VK_RIGHT:
        state.text.MoveCaret(caret + 1, shift);
        break;
    case VK_HOME:
        state.text.MoveCaret(0, shift);
        break;
    case VK_END:
        state.text.MoveCaret(end, shift);
        break;
    case VK_DELETE:
        if (!(StyleOf(edit) & ES_READONLY) && state.text.EraseForward()) Changed(edit);
        return true;
    default:
        return false;
    }
    Moved(edit);
    return true;
}

void MouseDown(HWND edit, LPARAM lParam) {
    SetFocus(edit);
    EditState& state = States().Of(edit);
    bool shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
    state.text.MoveCaret(PositionAt(edit, GET_X_LPARAM(lParam)), shift);
    state.selecting = true;
    SetCapture(edit);
    Moved(edit);
}

void MouseMove(HWND edit, LPARAM lParam) {
    EditState& state = States().Of(edit);
    if (!state.selecting) return;
    state.text.MoveCaret(PositionAt(edit, GET_X_LPARAM(lParam)), true);
    Moved(edit);
}

void MouseUp(HWND edit) {
    EditState& state = States().Of(edit);
    if (!state.selecting) return;
    state.selecting = false;
    ReleaseCapture();
}

void Focus(HWND edit, bool focused) {
    EditState& state = States().Of(edit);
    state.focused = focused;
    if (!focused && state.selecting) MouseUp(edit);
    InvalidateRect(edit, nullptr, TRUE);
    NotifyParent(edit, focused ? EN_SETFOCUS : EN_KILLFOCUS);
}

void DrawRun(HDC dc, LONG x, LONG top, const std::string& text, size_t from, size_t to,
             const RECT& clip) {
    if (to <= from) return;
    RECT rect{x, top, clip.right, clip.bottom};
    IntersectRect(&rect, &rect, &clip);
    DrawTextA(dc, text.c_str() + from, static_cast<int>(to - from), &rect,
              DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
}

// Plain text, then the selection in the highlight colours while the edit has the focus (or
// keeps it shown with ES_NOHIDESEL), then the caret.
void DrawContent(HWND edit, HDC dc, const RECT& area, bool enabled) {
    const EditState& state = States().Of(edit);
    const std::string& text = state.text.Text();
    SIZE cell{};
    GetTextExtentPoint32A(dc, "X", 1, &cell);
    LONG top = area.top + std::max<LONG>((area.bottom - area.top - cell.cy) / 2, 0);
    LONG origin = area.left - state.scroll;
    SetBkMode(dc, TRANSPARENT);
    if (!enabled) SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    DrawRun(dc, origin, top, text, 0, text.size(), area);
    bool showSelection = state.focused || (StyleOf(edit) & ES_NOHIDESEL);
    if (state.text.HasSelection() && showSelection) {
        size_t from = state.text.SelectionStart(), to = state.text.SelectionEnd();
        RECT band{origin + WidthOf(edit, from), top, origin + WidthOf(edit, to), top + cell.cy};
        IntersectRect(&band, &band, &area);
        FillRect(dc, &band, GetSysColorBrush(COLOR_HIGHLIGHT));
        SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        DrawRun(dc, origin + WidthOf(edit, from), top, text, from, to, area);
    }
    if (state.focused) {
        LONG x = origin + WidthOf(edit, state.text.Caret());
        RECT caret{x, top, x + 1, top + cell.cy};
        IntersectRect(&caret, &caret, &area);
        FillRect(dc, &caret, GetSysColorBrush(COLOR_WINDOWTEXT));
    }
}

void Paint(HWND edit) {
    bool enabled = IsWindowEnabled(edit) != FALSE;
    bool plain = enabled && !(StyleOf(edit) & ES_READONLY);
    ControlPaint paint(edit, plain ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC);
    if (!paint.Dc()) return;
    RECT client = paint.Client();
    FillRect(paint.Dc(), &client, paint.Background());
    if (HasBorder(edit)) DrawEdge(paint.Dc(), &client, EDGE_SUNKEN, BF_RECT);
    DrawContent(edit, paint.Dc(), TextArea(edit), enabled);
}

LRESULT GetSelection(HWND edit, WPARAM startOut, LPARAM endOut) {
    const EditText& text = States().Of(edit).text;
    auto start = static_cast<DWORD>(text.SelectionStart()),
         end = static_cast<DWORD>(text.SelectionEnd());
    if (startOut) *reinterpret_cast<DWORD*>(startOut) = start;
    if (endOut) *reinterpret_cast<DWORD*>(endOut) = end;
    return MAKELONG(std::min<DWORD>(start, 0xFFFF), std::min<DWORD>(end, 0xFFFF));
}

LRESULT SetText(HWND edit, LPARAM lParam) {
    auto text = reinterpret_cast<LPCSTR>(lParam);
    States().Of(edit).text.Assign(text ? text : "");
    States().Of(edit).scroll = 0;
    Changed(edit);
    States().Of(edit).modified = false;
    return TRUE;
}

LRESULT CopyText(HWND edit, WPARAM size, LPARAM buffer) {
    auto out = reinterpret_cast<LPSTR>(buffer);
    if (!out || size == 0) return 0;
    const std::string& text = States().Of(edit).text.Text();
    size_t count = std::min<size_t>(text.size(), size - 1);
    std::memcpy(out, text.data(), count);
    out[count] = '\0';
    return static_cast<LRESULT>(count);
}

LRESULT ReplaceSelection(HWND edit, LPARAM lParam) {
    auto text = reinterpret_cast<LPCSTR>(lParam);
    States().Of(edit).text.Replace(text ? text : "");
    Changed(edit);
    return 0;
}

LRESULT HandleEditMessage(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    EditState& state = States().Of(edit);
    switch (message) {
    case EM_GETSEL:
        return GetSelection(edit, wParam, lParam);
    case EM_SETSEL:
        state.text.Select(static_cast<long>(static_cast<int>(wParam)),
                          static_cast<long>(static_cast<int>(lParam)));
        Moved(edit);
        return 0;
    case EM_LIMITTEXT:
        state.text.SetLimit(wParam);
        return 0;
    case EM_GETLIMITTEXT:
        return static_cast<LRESULT>(state.text.Limit());
    case EM_REPLACESEL:
        return ReplaceSelection(edit, lParam);
    case EM_GETMODIFY:
        return state.modified;
    case EM_SETMODIFY:
        state.modified = wParam != 0;
        return 0;
    case EM_SETREADONLY: {
        DWORD style = StyleOf(edit);
        SetWindowLongA(edit, GWL_STYLE,
                       static_cast<LONG>(wParam ? style | ES_READONLY : style & ~ES_READONLY));
        InvalidateRect(edit, nullptr, TRUE);
        return TRUE;
    }
    default:
        return DefWindowProcA(edit, message, wParam, lParam);
    }
}

LRESULT HandleInput(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CHAR:
        Type(edit, static_cast<char>(wParam));
        return 0;
    case WM_KEYDOWN:
        if (!KeyDown(edit, wParam)) return DefWindowProcA(edit, message, wParam, lParam);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        MouseDown(edit, lParam);
        return 0;
    case WM_MOUSEMOVE:
        MouseMove(edit, lParam);
        return 0;
    case WM_LBUTTONUP:
        MouseUp(edit);
        return 0;
    case WM_CAPTURECHANGED:
        States().Of(edit).selecting = false;
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        Focus(edit, message == WM_SETFOCUS);
        return 0;
    default:
        return HandleEditMessage(edit, message, wParam, lParam);
    }
}

} // namespace

LRESULT CALLBACK EditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result;
    if (HandleCommonMessage(edit, message, wParam, lParam, &result)) return result;
    switch (message) {
    case WM_CREATE: {
        auto create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        States().Of(edit).text.Assign(create->lpszName ? create->lpszName : "");
        return 0;
    }
    case WM_GETDLGCODE:
        return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    case WM_SETTEXT:
        return SetText(edit, lParam);
    case WM_GETTEXT:
        return CopyText(edit, wParam, lParam);
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(States().Of(edit).text.Text().size());
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint(edit);
        return 0;
    case WM_NCDESTROY:
        States().Forget(edit);
        return 0;
    default:
        return HandleInput(edit, message, wParam, lParam);
    }
}

} // namespace platform
