// The test controls of platform/testing/message_boxes.h on the real Win32: a hook on the
// thread sees each message box as it is activated, records it and presses a button at once,
// so a test never waits for a click. The box's type is not visible from outside: it is
// recorded as 0.
#include "platform/testing/message_box_record.h"

#include <cstring>

namespace platform::testing {
namespace {

constexpr int kMessageBoxTextId = 0xFFFF; // the static control that holds a box's text

int chosenResult = 0;
HHOOK hook = nullptr;

std::string TextOf(HWND window) {
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

bool IsMessageBox(HWND window) {
    char className[16] = "";
    GetClassNameA(window, className, sizeof className);
    return std::strcmp(className, "#32770") == 0 && GetDlgItem(window, kMessageBoxTextId);
}

int DefaultButton(HWND box) {
    const LRESULT defaultId = SendMessageA(box, DM_GETDEFID, 0, 0);
    return HIWORD(defaultId) == DC_HASDEFID ? LOWORD(defaultId) : IDOK;
}

LRESULT CALLBACK WatchMessageBoxes(int code, WPARAM wParam, LPARAM lParam) {
    HWND window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && IsMessageBox(window)) {
        RecordMessageBox({GetWindow(window, GW_OWNER),
                          TextOf(GetDlgItem(window, kMessageBoxTextId)), TextOf(window), 0});
        const int button = chosenResult ? chosenResult : DefaultButton(window);
        EndDialog(window, button);
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

// Watching starts with the program: a box shown before a test first looks is recorded too.
const bool watching =
    (hook = SetWindowsHookExA(WH_CBT, WatchMessageBoxes, nullptr, GetCurrentThreadId())) != nullptr;

} // namespace

void SetMessageBoxResult(int result) {
    chosenResult = result;
}

} // namespace platform::testing
