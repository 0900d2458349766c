// Message boxes: recorded for tests, shown by the display backend's presenter when one is
// installed, answered at once with the default button otherwise.
#include "platform/display/backend.h"
#include "platform/message_box_presenter.h"
#include "platform/testing/message_boxes.h"
#include "platform/win32.h"

namespace {

struct MessageBoxState {
    std::vector<platform::testing::RecordedMessageBox> recorded;
    platform::MessageBoxPresenter presenter = nullptr;
    int chosenResult = 0;
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
    return State().chosenResult ? State().chosenResult : DefaultButton(type);
}

} // namespace

int WINAPI MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
    const char* text = lpText ? lpText : "";
    const char* caption = lpCaption ? lpCaption : "Error";
    State().recorded.push_back({hWnd, text, caption, uType});
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

} // namespace platform

namespace platform::testing {

std::vector<RecordedMessageBox> TakeMessageBoxes() {
    std::vector<RecordedMessageBox> taken;
    taken.swap(State().recorded);
    return taken;
}

void ClearMessageBoxes() {
    State().recorded.clear();
}

void SetMessageBoxResult(int result) {
    State().chosenResult = result;
}

} // namespace platform::testing
