// How windows relate: parents, owners, siblings in z-order, dialog items, searches.
#include <strings.h>

#include "platform/user32/window/table.h"

namespace platform {
namespace {

bool NameMatches(LPCSTR wanted, const std::string& name) {
    return !wanted || strcasecmp(wanted, name.c_str()) == 0;
}

bool ClassMatches(LPCSTR wanted, const Window& window) {
    if (!wanted) return true;
    if (IS_INTRESOURCE(wanted)) {
        return reinterpret_cast<uintptr_t>(wanted) == window.windowClass->atom;
    }
    return NameMatches(wanted, window.windowClass->name);
}

const std::vector<HWND>* SiblingList(const Window& window) {
    if (!window.IsChild()) return &TopLevelOrder();
    const Window* parent = FindWindowRecord(window.parent);
    return parent ? &parent->children : nullptr;
}

// Win32 counts z-order from the top; the lists here run from the bottom.
HWND Sibling(const Window& window, UINT command) {
    const std::vector<HWND>* siblings = SiblingList(window);
    if (!siblings || siblings->empty()) return nullptr;
    if (command == GW_HWNDFIRST) return siblings->back();
    if (command == GW_HWNDLAST) return siblings->front();
    for (size_t i = 0; i < siblings->size(); ++i) {
        if ((*siblings)[i] != window.handle) continue;
        if (command == GW_HWNDNEXT) return i > 0 ? (*siblings)[i - 1] : nullptr;
        return i + 1 < siblings->size() ? (*siblings)[i + 1] : nullptr;
    }
    return nullptr;
}

} // namespace
} // namespace platform

using namespace platform;

BOOL WINAPI IsChild(HWND parent, HWND window) {
    const Window* record = FindWindowRecord(window);
    while (record && record->IsChild()) {
        if (record->parent == parent) return TRUE;
        record = FindWindowRecord(record->parent);
    }
    return FALSE;
}

// The parent of a child, the owner of an owned pop-up, null otherwise (as on Windows).
HWND WINAPI GetParent(HWND window) {
    const Window* record = FindWindowRecord(window);
    if (!record) return nullptr;
    if (record->IsChild()) return record->parent;
    return (record->style & WS_POPUP) ? record->owner : nullptr;
}

HWND WINAPI GetDesktopWindow(void) {
    return DesktopWindow().handle;
}

// Top-level windows only, from the top of the z-order; both names without regard to case.
HWND WINAPI FindWindowA(LPCSTR className, LPCSTR windowName) {
    const auto& order = TopLevelOrder();
    for (auto handle = order.rbegin(); handle != order.rend(); ++handle) {
        const Window* record = FindWindowRecord(*handle);
        if (record && !record->destroying && ClassMatches(className, *record) &&
            NameMatches(windowName, record->title)) {
            return *handle;
        }
    }
    return nullptr;
}

HWND WINAPI GetWindow(HWND window, UINT command) {
    const Window* record = FindWindowRecord(window);
    if (!record) return nullptr;
    switch (command) {
    case GW_HWNDFIRST:
    case GW_HWNDLAST:
    case GW_HWNDNEXT:
    case GW_HWNDPREV:
        return Sibling(*record, command);
    case GW_OWNER:
        return record->owner;
    case GW_CHILD:
        return record->children.empty() ? nullptr : record->children.back();
    default:
        return nullptr;
    }
}

HWND WINAPI GetDlgItem(HWND dialog, int id) {
    const Window* record = FindWindowRecord(dialog);
    if (!record) return nullptr;
    for (HWND child : record->children) {
        if (FindWindowRecord(child)->id == id) return child;
    }
    return nullptr;
}

int WINAPI GetDlgCtrlID(HWND window) {
    const Window* record = FindWindowRecord(window);
    return record && record->IsChild() ? static_cast<int>(record->id) : 0;
}
