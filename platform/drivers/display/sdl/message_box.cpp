#include "platform/drivers/display/sdl/message_box.h"

#include <SDL.h>

#include <vector>

#include "platform/drivers/display/backend.h"
#include "platform/win32.h"

namespace platform {
namespace {

using Buttons = std::vector<SDL_MessageBoxButtonData>;

Buttons ButtonsOf(UINT type) {
    auto button = [](int id, const char* text) { return SDL_MessageBoxButtonData{0, id, text}; };
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return {button(IDOK, "OK"), button(IDCANCEL, "Cancel")};
    case MB_ABORTRETRYIGNORE:
        return {button(IDABORT, "Abort"), button(IDRETRY, "Retry"), button(IDIGNORE, "Ignore")};
    case MB_YESNOCANCEL:
        return {button(IDYES, "Yes"), button(IDNO, "No"), button(IDCANCEL, "Cancel")};
    case MB_YESNO:
        return {button(IDYES, "Yes"), button(IDNO, "No")};
    case MB_RETRYCANCEL:
        return {button(IDRETRY, "Retry"), button(IDCANCEL, "Cancel")};
    default:
        return {button(IDOK, "OK")};
    }
}

Uint32 IconFlags(UINT type) {
    switch (type & MB_ICONMASK) {
    case MB_ICONHAND:
        return SDL_MESSAGEBOX_ERROR;
    case MB_ICONEXCLAMATION:
        return SDL_MESSAGEBOX_WARNING;
    default:
        return SDL_MESSAGEBOX_INFORMATION;
    }
}

void MarkDefaultButton(Buttons& buttons, UINT type) {
    size_t index = ((type & MB_DEFMASK) >> 8);
    if (index >= buttons.size()) index = 0;
    buttons[index].flags |= SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT;
    // Escape picks Cancel where there is one, else the only button.
    for (auto& button : buttons) {
        if (button.buttonid == IDCANCEL || buttons.size() == 1) {
            button.flags |= SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT;
        }
    }
}

} // namespace

int ShowSdlMessageBox(HWND, LPCSTR text, LPCSTR caption, UINT type) {
    Display().WaitForInput(0); // show what was drawn before the box covers it
    Buttons buttons = ButtonsOf(type);
    MarkDefaultButton(buttons, type);
    SDL_MessageBoxData box{};
    box.flags = IconFlags(type);
    box.title = caption ? caption : "Error";
    box.message = text ? text : "";
    box.numbuttons = static_cast<int>(buttons.size());
    box.buttons = buttons.data();
    int chosen = 0;
    if (SDL_ShowMessageBox(&box, &chosen) != 0) return 0;
    return chosen < 0 ? IDCANCEL : chosen;
}

} // namespace platform
