#include "platform/user32/controls/button_look.h"

#include "platform/user32/controls/arrow_buttons.h"
#include "platform/user32/controls/control_common.h"

namespace platform {
namespace {

constexpr int kCheckSize = 13;
constexpr int kRadioSize = 12;
constexpr int kTextGap = 4;
constexpr UINT kLabelFormat = DT_LEFT | DT_VCENTER | DT_SINGLELINE;

void Fill(HDC dc, RECT rect, int colour) {
    FillRect(dc, &rect, GetSysColorBrush(colour));
}

void DrawPixels(HDC dc, LONG left, LONG top, const char* const* rows, int count) {
    for (int y = 0; y < count; ++y) {
        for (int x = 0; rows[y][x]; ++x) {
            int colour = -1;
            switch (rows[y][x]) {
            case 'S':
                colour = COLOR_BTNSHADOW;
                break;
            case 'D':
                colour = COLOR_3DDKSHADOW;
                break;
            case 'H':
                colour = COLOR_BTNHIGHLIGHT;
                break;
            case 'L':
                colour = COLOR_3DLIGHT;
                break;
            case 'X':
                colour = COLOR_WINDOWTEXT;
                break;
            default:
                break;
            }
            if (colour >= 0) SetPixel(dc, left + x, top + y, GetSysColor(colour));
        }
    }
}

// The label right of a check box or radio button, with the focus rectangle around it.
void DrawLabel(HDC dc, const RECT& rect, LONG left, const ButtonLook& look) {
    RECT label{left, rect.top, rect.right, rect.bottom};
    DrawControlText(dc, look.text, label, kLabelFormat, look.enabled);
    if (!look.focused || look.text.empty()) return;
    RECT measured = label;
    DrawTextA(dc, look.text.c_str(), -1, &measured, kLabelFormat | DT_CALCRECT);
    LONG top = rect.top + (rect.bottom - rect.top - (measured.bottom - measured.top)) / 2;
    RECT focus{label.left - 1, top - 1, measured.right + 1,
               top + (measured.bottom - measured.top) + 1};
    DrawFocusRect(dc, &focus);
}

} // namespace

void DrawPushButton(HDC dc, RECT rect, const ButtonLook& look, bool isDefault) {
    bool in = look.pushed || (look.check == BST_CHECKED && (look.style & BS_PUSHLIKE));
    if (isDefault) {
        FrameRect(dc, &rect, GetSysColorBrush(COLOR_WINDOWFRAME));
        InflateRect(&rect, -1, -1);
    }
    if (look.pushed && !(look.style & BS_PUSHLIKE)) {
        FrameRect(dc, &rect, GetSysColorBrush(COLOR_BTNSHADOW));
        RECT inside = rect;
        InflateRect(&inside, -1, -1);
        Fill(dc, inside, COLOR_BTNFACE);
    } else if (in) {
        DrawEdge(dc, &rect, EDGE_SUNKEN, BF_RECT | BF_SOFT);
        RECT inside = rect;
        InflateRect(&inside, -2, -2);
        DrawDither(dc, inside);
    } else {
        DrawEdge(dc, &rect, EDGE_RAISED, BF_RECT | BF_SOFT | BF_MIDDLE);
    }
    RECT label = rect;
    if (in) OffsetRect(&label, 1, 1);
    DrawControlText(dc, look.text, label, DT_CENTER | DT_VCENTER | DT_SINGLELINE, look.enabled);
    if (look.focused) {
        RECT focus = rect;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(dc, &focus);
    }
}

void DrawCheckBox(HDC dc, const RECT& rect, const ButtonLook& look) {
    LONG top = rect.top + (rect.bottom - rect.top - kCheckSize) / 2;
    RECT box{rect.left, top, rect.left + kCheckSize, top + kCheckSize};
    DrawEdge(dc, &box, EDGE_SUNKEN, BF_RECT);
    RECT inside = box;
    InflateRect(&inside, -2, -2);
    Fill(dc, inside, look.pushed || !look.enabled ? COLOR_BTNFACE : COLOR_WINDOW);
    if (look.check == BST_CHECKED) {
        static const char* const tick[] = {"      X", "     XX", "X   XXX", "XX XXX",
                                           "XXXXX",   " XXX",    "  X"};
        DrawPixels(dc, inside.left + 1, inside.top + 1, tick, 7);
    }
    DrawLabel(dc, rect, box.right + kTextGap, look);
}

void DrawRadioButton(HDC dc, const RECT& rect, const ButtonLook& look) {
    static const char* const ring[] = {
        "    SSSS    ", "  SSDDDDSS  ", " SDD    DDH ", " SD      LH ",
        "SD        LH", "SD        LH", "SD        LH", "SD        LH",
        " SD      LH ", " SLL    LLH ", "  HHLLLLHH  ", "    HHHH    ",
    };
    static const char* const dot[] = {" XX ", "XXXX", "XXXX", " XX "};
    LONG top = rect.top + (rect.bottom - rect.top - kRadioSize) / 2;
    int inside = look.pushed || !look.enabled ? COLOR_BTNFACE : COLOR_WINDOW;
    Fill(dc, RECT{rect.left + 2, top + 2, rect.left + 10, top + 10}, inside);
    Fill(dc, RECT{rect.left + 4, top + 1, rect.left + 8, top + 11}, inside);
    Fill(dc, RECT{rect.left + 1, top + 4, rect.left + 11, top + 8}, inside);
    DrawPixels(dc, rect.left, top, ring, kRadioSize);
    if (look.check == BST_CHECKED) DrawPixels(dc, rect.left + 4, top + 4, dot, 4);
    DrawLabel(dc, rect, rect.left + kRadioSize + kTextGap, look);
}

// The etched frame runs through the middle of the caption, which is cut out of it.
void DrawGroupBox(HDC dc, const RECT& rect, const ButtonLook& look) {
    SIZE caption{};
    GetTextExtentPoint32A(dc, "X", 1, &caption);
    RECT frame{rect.left, rect.top + caption.cy / 2, rect.right, rect.bottom};
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    if (look.text.empty()) return;
    RECT label{rect.left + 8, rect.top, rect.right - 8, rect.top + caption.cy};
    RECT measured = label;
    DrawTextA(dc, look.text.c_str(), -1, &measured, DT_LEFT | DT_SINGLELINE | DT_CALCRECT);
    RECT gap{label.left - 2, label.top, measured.right + 2, label.bottom};
    FillRect(dc, &gap, look.background ? look.background : GetSysColorBrush(COLOR_BTNFACE));
    DrawControlText(dc, look.text, label, DT_LEFT | DT_SINGLELINE, look.enabled);
}

} // namespace platform
