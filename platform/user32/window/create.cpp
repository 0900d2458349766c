// CreateWindowExA: WM_NCCREATE and WM_CREATE (then WM_SIZE and WM_MOVE) are delivered
// before it returns; a window created visible is then shown, and activated if top-level.
#include <algorithm>

#include "platform/drivers/display/backend.h"
#include "platform/user32/window/lifecycle.h"
#include "platform/user32/window/manager.h"
#include "platform/user32/window/table.h"

namespace platform {
namespace {

constexpr LRESULT kCreationRefused = -1;

bool childrenAtBottom = false;

struct Placement {
    RECT rect;
    HWND parent;
    HWND owner;
};

// Top-level windows left to the default get three quarters of the desktop at its corner.
RECT InitialRect(int x, int y, int width, int height, bool child) {
    if (x == CW_USEDEFAULT) x = y = 0;
    if (width == CW_USEDEFAULT) {
        SIZE desktop = Display().DesktopSize();
        width = child ? 0 : desktop.cx * 3 / 4;
        height = child ? 0 : desktop.cy * 3 / 4;
    }
    return RECT{x, y, x + std::max(width, 0), y + std::max(height, 0)};
}

// A child needs a live parent; a top-level window's "parent" is its owner, which is always
// a top-level window.
bool Place(DWORD style, HWND parent, Placement* placement) {
    bool child = (style & WS_CHILD) != 0;
    if (parent && !IsWindow(parent)) return false;
    if (child && !parent) return false;
    placement->parent = child ? parent : nullptr;
    placement->owner = child ? nullptr : TopLevelOf(parent);
    if (placement->owner == GetDesktopWindow()) placement->owner = nullptr;
    return true;
}

HWND MakeRecord(const std::shared_ptr<const WindowClass>& windowClass, DWORD exStyle, LPCSTR name,
                DWORD style, const Placement& placement, HMENU menu, HINSTANCE instance) {
    Window& window = AddWindowRecord();
    window.windowClass = windowClass;
    window.procedure = windowClass->info.lpfnWndProc;
    window.style = style & ~WS_VISIBLE;
    window.exStyle = exStyle;
    window.rect = placement.rect;
    window.parent = placement.parent;
    window.owner = placement.owner;
    window.title = name ? name : "";
    window.instance = instance;
    window.id = window.IsChild() ? reinterpret_cast<LONG_PTR>(menu) : 0;
    window.extraBytes.assign(static_cast<size_t>(windowClass->info.cbWndExtra), 0);
    if (childrenAtBottom && window.IsChild()) {
        LowerWindow(window);
    } else {
        RaiseWindow(window);
    }
    return window.handle;
}

bool RunCreationMessages(HWND window, CREATESTRUCTA* create) {
    if (!SendMessageA(window, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(create))) {
        DiscardWindow(window);
        return false;
    }
    if (SendMessageA(window, WM_CREATE, 0, reinterpret_cast<LPARAM>(create)) == kCreationRefused) {
        DestroyWindow(window);
        return false;
    }
    return IsWindow(window);
}

void AnnounceGeometry(HWND window) {
    RECT rect;
    GetClientRect(window, &rect);
    SendMessageA(window, WM_SIZE, SIZE_RESTORED, MAKELONG(rect.right, rect.bottom));
    const Window* record = FindWindowRecord(window);
    if (!record) return;
    SendMessageA(
        window, WM_MOVE, 0,
        MAKELONG(static_cast<WORD>(record->rect.left), static_cast<WORD>(record->rect.top)));
    if (IsWindow(window) && !record->IsChild()) Display().TopLevelChanged(window);
}

} // namespace

void PlaceNewChildrenAtBottom(bool atBottom) {
    childrenAtBottom = atBottom;
}

} // namespace platform

using namespace platform;

HWND WINAPI CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x,
                            int y, int width, int height, HWND parent, HMENU menu,
                            HINSTANCE instance, LPVOID param) {
    auto windowClass = FindWindowClass(className);
    Placement placement{};
    if (!windowClass || !Place(style, parent, &placement)) return nullptr;
    placement.rect = InitialRect(x, y, width, height, (style & WS_CHILD) != 0);
    HWND window = MakeRecord(windowClass, exStyle, windowName, style, placement, menu, instance);
    CREATESTRUCTA create{param,
                         instance,
                         menu,
                         parent,
                         placement.rect.bottom - placement.rect.top,
                         placement.rect.right - placement.rect.left,
                         placement.rect.top,
                         placement.rect.left,
                         static_cast<LONG>(style),
                         windowName,
                         className,
                         exStyle};
    if (!RunCreationMessages(window, &create)) return nullptr;
    AnnounceGeometry(window);
    if ((style & WS_VISIBLE) && IsWindow(window)) ShowWindow(window, SW_SHOW);
    return IsWindow(window) ? window : nullptr;
}
