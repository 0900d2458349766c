// What every control class shares: its font, the colours its parent chooses for it, its
// notifications, and the classic way of drawing its text enabled or greyed.
#pragma once
#include <string>

#include "platform/win32.h"

namespace platform {

// WM_SETFONT, WM_GETFONT, WM_ENABLE (repaint) and WM_NCDESTROY (forget the font); false for
// any other message.
bool HandleCommonMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

// A DC ready for painting the control: its font selected and the colours and brush its
// parent answers to the given WM_CTLCOLOR* message (the default ones when it has none).
class ControlPaint {
public:
    ControlPaint(HWND control, UINT colourMessage);
    ~ControlPaint();
    ControlPaint(const ControlPaint&) = delete;
    ControlPaint& operator=(const ControlPaint&) = delete;

    HDC Dc() const { return paint.hdc; }
    HBRUSH Background() const { return background; }
    const RECT& Client() const { return client; }

private:
    HWND control;
    PAINTSTRUCT paint{};
    HGDIOBJ previousFont = nullptr;
    HBRUSH background = nullptr;
    RECT client{};
};

DWORD StyleOf(HWND control);
// WS_BORDER or WS_EX_CLIENTEDGE: a sunken edge drawn inside the control.
bool HasBorder(HWND control);

// WM_COMMAND to the parent with the control's id and the code.
void NotifyParent(HWND control, WORD code);

std::string WindowText(HWND control);

// Enabled: in the DC's text colour; disabled: the classic embossed grey (highlight, then
// shadow one pixel up and left).
void DrawControlText(HDC dc, const std::string& text, RECT rect, UINT format, bool enabled);

} // namespace platform
