#include "platform/user32/dialog/dialog_state.h"

#include <map>

namespace platform {
namespace {

std::map<HWND, DialogState>& States() {
    static std::map<HWND, DialogState> states;
    return states;
}

} // namespace

DialogState* FindDialogState(HWND dialog) {
    auto found = States().find(dialog);
    return found == States().end() ? nullptr : &found->second;
}

DialogState& MakeDialogState(HWND dialog) {
    return States()[dialog];
}

void ForgetDialogState(HWND dialog) {
    DialogState* state = FindDialogState(dialog);
    if (!state) return;
    if (state->ownsFont) DeleteObject(state->font);
    States().erase(dialog);
}

} // namespace platform
