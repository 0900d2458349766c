// How a button looks in the classic 3-D style, for each kind.
#pragma once
#include <string>

#include "platform/win32.h"

namespace platform {

struct ButtonLook {
    std::string text;
    DWORD style = 0;
    UINT check = BST_UNCHECKED;
    bool pushed = false;
    bool focused = false;
    bool enabled = true;
    HBRUSH background = nullptr; // what the parent paints behind the control
};

void DrawPushButton(HDC dc, RECT rect, const ButtonLook& look, bool isDefault);
void DrawCheckBox(HDC dc, const RECT& rect, const ButtonLook& look);
void DrawRadioButton(HDC dc, const RECT& rect, const ButtonLook& look);
void DrawGroupBox(HDC dc, const RECT& rect, const ButtonLook& look);

} // namespace platform
