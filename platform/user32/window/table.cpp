// Window records keyed by handle. Handles count up and are never reused, so a stale handle
// stays invalid for the life of the process.
#include "platform/user32/window/table.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <unordered_map>

#include "platform/drivers/display/backend.h"

namespace platform {
namespace {

constexpr uintptr_t kFirstHandle = 0x10010;
constexpr uintptr_t kHandleStep = 4;

struct WindowTable {
    std::unordered_map<HWND, std::unique_ptr<Window>> windows;
    std::vector<HWND> topLevel;
    HWND desktop = nullptr;
    uintptr_t nextHandle = kFirstHandle;
};

WindowTable& Table() {
    static WindowTable table;
    return table;
}

void RefreshDesktopRect(Window& desktop) {
    SIZE size = Display().DesktopSize();
    desktop.rect = RECT{0, 0, size.cx, size.cy};
}

std::vector<HWND>& SiblingsOf(const Window& window) {
    if (window.parent) {
        if (Window* parent = FindWindowRecord(window.parent)) return parent->children;
    }
    return Table().topLevel;
}

bool IsTopmost(HWND handle) {
    Window* window = FindWindowRecord(handle);
    return window && !window->IsChild() && (window->exStyle & WS_EX_TOPMOST);
}

void Unlink(std::vector<HWND>& siblings, HWND handle) {
    siblings.erase(std::remove(siblings.begin(), siblings.end(), handle), siblings.end());
}

} // namespace

Window* FindWindowRecord(HWND handle) {
    if (!handle) return nullptr;
    auto found = Table().windows.find(handle);
    if (found == Table().windows.end()) return nullptr;
    if (handle == Table().desktop) RefreshDesktopRect(*found->second);
    return found->second.get();
}

Window& AddWindowRecord() {
    WindowTable& table = Table();
    HWND handle = reinterpret_cast<HWND>(table.nextHandle);
    table.nextHandle += kHandleStep;
    auto& slot = table.windows[handle];
    slot = std::make_unique<Window>();
    slot->handle = handle;
    return *slot;
}

void RemoveWindowRecord(HWND handle) {
    Window* window = FindWindowRecord(handle);
    if (!window) return;
    Unlink(SiblingsOf(*window), handle);
    Table().windows.erase(handle);
}

const std::vector<HWND>& TopLevelOrder() {
    return Table().topLevel;
}

void RaiseWindow(Window& window) {
    std::vector<HWND>& siblings = SiblingsOf(window);
    Unlink(siblings, window.handle);
    auto place = siblings.end();
    if (!IsTopmost(window.handle)) {
        place = std::find_if(siblings.begin(), siblings.end(), IsTopmost);
    }
    siblings.insert(place, window.handle);
}

void LowerWindow(Window& window) {
    std::vector<HWND>& siblings = SiblingsOf(window);
    Unlink(siblings, window.handle);
    siblings.insert(siblings.begin(), window.handle);
}

void PlaceWindowAfter(Window& window, HWND previous) {
    std::vector<HWND>& siblings = SiblingsOf(window);
    auto above = std::find(siblings.begin(), siblings.end(), previous);
    if (above == siblings.end() || previous == window.handle) return;
    Unlink(siblings, window.handle);
    above = std::find(siblings.begin(), siblings.end(), previous);
    siblings.insert(above, window.handle);
}

Window& DesktopWindow() {
    if (Window* desktop = FindWindowRecord(Table().desktop)) return *desktop;
    static const auto desktopClass = [] {
        auto windowClass = std::make_shared<WindowClass>();
        windowClass->name = "#32769";
        windowClass->info.lpszClassName = windowClass->name.c_str();
        return windowClass;
    }();
    Window& desktop = AddWindowRecord();
    desktop.windowClass = desktopClass;
    desktop.style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN;
    Table().desktop = desktop.handle;
    RefreshDesktopRect(desktop);
    return desktop;
}

std::vector<HWND> AllWindowHandles() {
    std::vector<HWND> handles;
    handles.reserve(Table().windows.size());
    for (const auto& entry : Table().windows)
        handles.push_back(entry.first);
    std::sort(handles.begin(), handles.end(), std::less<HWND>());
    return handles;
}

void ForgetAllWindows() {
    WindowTable& table = Table();
    table.windows.clear();
    table.topLevel.clear();
    table.desktop = nullptr;
}

} // namespace platform
