// Message boxes: shown by the display backend's presenter when one is installed, answered at
// once with the default button otherwise.
#include "platform/drivers/display/backend.h"
#include "platform/user32/message_box_presenter.h"
#include "platform/win32.h"

namespace {

struct MessageBoxState {
    platform::MessageBoxPresenter presenter = nullptr;
    platform::MessageBoxWatcher watcher = nullptr;
    int unpresentedAnswer = 0;
};

MessageBoxState& State() {
    static MessageBoxState state;
    return state;
}

// The buttons of each MB_TYPEMASK value, left to right.
int ButtonOf(UINT type, UINT index) {
    static const int buttons[][3] = {
        {IDOK, IDOK, IDOK},      {IDOK, IDCANCEL, IDCANCEL}, {IDABORT, IDRETRY, IDIGNORE},
        {IDYES, IDNO, IDCANCEL}, {IDYES, IDNO, IDNO},        {IDRETRY, IDCANCEL, IDCANCEL},
    };
    UINT kind = type & MB_TYPEMASK;
    if (kind >= sizeof buttons / sizeof buttons[0]) kind = MB_OK;
    return buttons[kind][index > 2 ? 0 : index];
}

int DefaultButton(UINT type) {
    return ButtonOf(type, (type & MB_DEFMASK) >> 8);
}

int UnpresentedResult(UINT type) {
    return State().unpresentedAnswer ? State().unpresentedAnswer : DefaultButton(type);
}

} // namespace

int WINAPI MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
    const char* text = lpText ? lpText : "";
    const char* caption = lpCaption ? lpCaption : "Error";
    if (State().watcher) State().watcher(hWnd, text, caption, uType);
    platform::Display(); // a real display installs its presenter when it starts
    if (State().presenter) {
        int chosen = State().presenter(hWnd, text, caption, uType);
        if (chosen) return chosen;
    }
    return UnpresentedResult(uType);
}

namespace platform {

void SetMessageBoxPresenter(MessageBoxPresenter presenter) {
    State().presenter = presenter;
}

void SetMessageBoxWatcher(MessageBoxWatcher watcher) {
    State().watcher = watcher;
}

void SetUnpresentedAnswer(int answer) {
    State().unpresentedAnswer = answer;
}

} // namespace platform
