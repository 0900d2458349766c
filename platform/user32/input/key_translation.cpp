// TranslateMessage: characters for the keys of a US keyboard layout.
#include <cctype>

#include "platform/user32/input/keyboard_state.h"
#include "platform/user32/message/queue.h"

namespace platform {
namespace {

struct KeyCharacters {
    UINT virtualKey;
    char plain;
    char shifted;
};

constexpr KeyCharacters kKeys[] = {
    {'0', '0', ')'},           {'1', '1', '!'},          {'2', '2', '@'},
    {'3', '3', '#'},           {'4', '4', '$'},          {'5', '5', '%'},
    {'6', '6', '^'},           {'7', '7', '&'},          {'8', '8', '*'},
    {'9', '9', '('},           {VK_SPACE, ' ', ' '},     {VK_RETURN, '\r', '\r'},
    {VK_ESCAPE, 0x1B, 0x1B},   {VK_BACK, '\b', '\b'},    {VK_TAB, '\t', '\t'},
    {VK_MULTIPLY, '*', '*'},   {VK_ADD, '+', '+'},       {VK_SUBTRACT, '-', '-'},
    {VK_DECIMAL, '.', '.'},    {VK_DIVIDE, '/', '/'},    {VK_OEM_1, ';', ':'},
    {VK_OEM_PLUS, '=', '+'},   {VK_OEM_COMMA, ',', '<'}, {VK_OEM_MINUS, '-', '_'},
    {VK_OEM_PERIOD, '.', '>'}, {VK_OEM_2, '/', '?'},     {VK_OEM_3, '`', '~'},
    {VK_OEM_4, '[', '{'},      {VK_OEM_5, '\\', '|'},    {VK_OEM_6, ']', '}'},
    {VK_OEM_7, '\'', '"'},
};

// 0 for keys that make no character.
char CharacterFor(UINT virtualKey) {
    bool shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
    if (virtualKey >= 'A' && virtualKey <= 'Z') {
        if (GetKeyState(VK_CONTROL) & 0x8000) return static_cast<char>(virtualKey - 'A' + 1);
        bool upper = shift != ((GetKeyState(VK_CAPITAL) & 1) != 0);
        return static_cast<char>(upper ? virtualKey : std::tolower(virtualKey));
    }
    if (virtualKey >= VK_NUMPAD0 && virtualKey <= VK_NUMPAD9) {
        return static_cast<char>('0' + virtualKey - VK_NUMPAD0);
    }
    for (const KeyCharacters& key : kKeys) {
        if (key.virtualKey == virtualKey) return shift ? key.shifted : key.plain;
    }
    return 0;
}

} // namespace
} // namespace platform

using namespace platform;

// The character message is put first in the queue so that it follows its key at once.
BOOL WINAPI TranslateMessage(const MSG* msg) {
    if (!msg || (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN)) return FALSE;
    char character = CharacterFor(static_cast<UINT>(msg->wParam));
    if (character) {
        UINT message = msg->message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR;
        PrependMessage(msg->hwnd, message, static_cast<BYTE>(character), msg->lParam);
    }
    return TRUE;
}
