// Dialog items by id: messages, text, numbers and button checks.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "platform/win32.h"

namespace {

constexpr int kNumberText = 32;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

LRESULT WINAPI SendDlgItemMessageA(HWND dialog, int id, UINT message, WPARAM wParam,
                                   LPARAM lParam) {
    HWND control = GetDlgItem(dialog, id);
    return control ? SendMessageA(control, message, wParam, lParam) : 0;
}

BOOL WINAPI SetDlgItemTextA(HWND dialog, int id, LPCSTR text) {
    HWND control = GetDlgItem(dialog, id);
    return control ? SetWindowTextA(control, text) : FALSE;
}

UINT WINAPI GetDlgItemTextA(HWND dialog, int id, LPSTR text, int maxCount) {
    HWND control = GetDlgItem(dialog, id);
    if (text && maxCount > 0) text[0] = '\0';
    return control ? static_cast<UINT>(GetWindowTextA(control, text, maxCount)) : 0;
}

BOOL WINAPI SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned) {
    char text[kNumberText];
    if (isSigned) {
        std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
    } else {
        std::snprintf(text, sizeof text, "%u", value);
    }
    return SetDlgItemTextA(dialog, id, text);
}

// The whole text must be a number (blanks around it allowed) that fits the type.
UINT WINAPI GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned) {
    if (translated) *translated = FALSE;
    char text[kNumberText];
    if (!GetDlgItemTextA(dialog, id, text, sizeof text)) return 0;
    const char* start = text;
    while (IsBlank(*start))
        ++start;
    if (!isSigned && *start == '-') return 0;
    char* end = nullptr;
    long long value = std::strtoll(start, &end, 10);
    while (end && IsBlank(*end))
        ++end;
    bool fits =
        isSigned ? value >= INT32_MIN && value <= INT32_MAX : value >= 0 && value <= UINT32_MAX;
    if (end == start || !end || *end || !fits) return 0;
    if (translated) *translated = TRUE;
    return static_cast<UINT>(value);
}

BOOL WINAPI CheckDlgButton(HWND dialog, int id, UINT check) {
    HWND control = GetDlgItem(dialog, id);
    if (!control) return FALSE;
    SendMessageA(control, BM_SETCHECK, check, 0);
    return TRUE;
}

UINT WINAPI IsDlgButtonChecked(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    return control ? static_cast<UINT>(SendMessageA(control, BM_GETCHECK, 0, 0)) : 0;
}

// Every button with an id from first to last is unchecked except the one to check.
BOOL WINAPI CheckRadioButton(HWND dialog, int firstId, int lastId, int checkId) {
    if (!IsWindow(dialog)) return FALSE;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        int id = GetDlgCtrlID(child);
        if (id < firstId || id > lastId) continue;
        SendMessageA(child, BM_SETCHECK, id == checkId ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    return TRUE;
}
