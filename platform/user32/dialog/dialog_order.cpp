// GetNextDlgTabItem and GetNextDlgGroupItem: tab stops and groups in template (z-)order,
// wrapping round; hidden and disabled controls are passed over.
#include <algorithm>
#include <cstddef>
#include <vector>

#include "platform/win32.h"

namespace {

std::vector<HWND> ControlsOf(HWND dialog) {
    std::vector<HWND> controls;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        controls.push_back(child);
    return controls;
}

DWORD StyleOf(HWND control) {
    return static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE));
}

// The control's own style decides, so that a dialog still hidden (in WM_INITDIALOG) has
// tab stops too.
bool CanTakeFocus(HWND control) {
    return (StyleOf(control) & WS_VISIBLE) && !(StyleOf(control) & WS_DISABLED);
}

// Steps from `from` (or from before the first when it is not in the list), wrapping, to the
// first control the test accepts; null when none does.
template <typename Accept>
HWND Step(const std::vector<HWND>& controls, HWND from, bool previous, Accept accept) {
    if (controls.empty()) return nullptr;
    auto found = std::find(controls.begin(), controls.end(), from);
    ptrdiff_t count = static_cast<ptrdiff_t>(controls.size());
    ptrdiff_t at = found == controls.end() ? (previous ? 0 : -1) : found - controls.begin();
    for (ptrdiff_t step = 1; step <= count; ++step) {
        ptrdiff_t index = ((at + (previous ? -step : step)) % count + count) % count;
        if (accept(controls[index])) return controls[index];
    }
    return nullptr;
}

// The controls of the group holding `control`: from the last WS_GROUP at or before it up to
// the next WS_GROUP.
std::vector<HWND> GroupOf(const std::vector<HWND>& controls, HWND control) {
    auto at = std::find(controls.begin(), controls.end(), control);
    if (at == controls.end()) return {};
    auto first = at;
    while (first != controls.begin() && !(StyleOf(*first) & WS_GROUP))
        --first;
    auto last = at + 1;
    while (last != controls.end() && !(StyleOf(*last) & WS_GROUP))
        ++last;
    return std::vector<HWND>(first, last);
}

} // namespace

HWND WINAPI GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous) {
    if (!IsWindow(dialog)) return nullptr;
    HWND next = Step(ControlsOf(dialog), control, previous != FALSE, [](HWND candidate) {
        return (StyleOf(candidate) & WS_TABSTOP) && CanTakeFocus(candidate);
    });
    return next ? next : control;
}

HWND WINAPI GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous) {
    if (!IsWindow(dialog) || !IsChild(dialog, control)) return nullptr;
    HWND next =
        Step(GroupOf(ControlsOf(dialog), control), control, previous != FALSE, CanTakeFocus);
    return next ? next : control;
}
