// RegisterClassA and friends. Class names compare without regard to case, as on Windows;
// a class can be named by its atom through MAKEINTRESOURCEA. The system's own classes come
// after the program's, which may not take their names.
#include <algorithm>
#include <strings.h>
#include <vector>

#include "platform/kernel32/string_copy.h"
#include "platform/user32/window/class_table.h"
#include "platform/user32/window/system_classes.h"
#include "platform/user32/window/table.h"

namespace platform {
namespace {

constexpr ATOM kFirstAtom = 0xC000;

struct ClassTable {
    std::vector<std::shared_ptr<WindowClass>> classes;
    ATOM nextAtom = kFirstAtom;
};

ClassTable& Classes() {
    static ClassTable table;
    return table;
}

bool NamesClass(LPCSTR nameOrAtom, const WindowClass& windowClass) {
    if (IS_INTRESOURCE(nameOrAtom)) {
        return reinterpret_cast<uintptr_t>(nameOrAtom) == windowClass.atom;
    }
    return strcasecmp(nameOrAtom, windowClass.name.c_str()) == 0;
}

auto FindEntry(LPCSTR nameOrAtom) {
    auto& classes = Classes().classes;
    return std::find_if(classes.begin(), classes.end(),
                        [&](const auto& entry) { return NamesClass(nameOrAtom, *entry); });
}

bool ClassInUse(const WindowClass* windowClass) {
    for (HWND handle : AllWindowHandles()) {
        if (FindWindowRecord(handle)->windowClass.get() == windowClass) return true;
    }
    return false;
}

std::shared_ptr<WindowClass> MakeClass(const WNDCLASSA& info) {
    auto windowClass = std::make_shared<WindowClass>();
    windowClass->info = info;
    windowClass->name = info.lpszClassName;
    windowClass->info.lpszClassName = windowClass->name.c_str();
    if (info.lpszMenuName && !IS_INTRESOURCE(info.lpszMenuName)) {
        windowClass->menuName = info.lpszMenuName;
        windowClass->info.lpszMenuName = windowClass->menuName.c_str();
    }
    windowClass->atom = Classes().nextAtom++;
    return windowClass;
}

} // namespace

std::shared_ptr<const WindowClass> FindWindowClass(LPCSTR nameOrAtom) {
    if (!nameOrAtom) return nullptr;
    auto entry = FindEntry(nameOrAtom);
    return entry == Classes().classes.end() ? FindSystemClass(nameOrAtom) : *entry;
}

void ForgetWindowClasses() {
    Classes().classes.clear();
}

} // namespace platform

using namespace platform;

ATOM WINAPI RegisterClassA(const WNDCLASSA* wndClass) {
    if (!wndClass || !wndClass->lpszClassName || IS_INTRESOURCE(wndClass->lpszClassName) ||
        !*wndClass->lpszClassName || !wndClass->lpfnWndProc || wndClass->cbWndExtra < 0 ||
        wndClass->cbClsExtra < 0 || FindWindowClass(wndClass->lpszClassName)) {
        return 0;
    }
    Classes().classes.push_back(MakeClass(*wndClass));
    return Classes().classes.back()->atom;
}

BOOL WINAPI UnregisterClassA(LPCSTR className, HINSTANCE) {
    if (!className) return FALSE;
    auto entry = FindEntry(className);
    if (entry == Classes().classes.end() || ClassInUse(entry->get())) return FALSE;
    Classes().classes.erase(entry);
    return TRUE;
}

BOOL WINAPI GetClassInfoA(HINSTANCE, LPCSTR className, LPWNDCLASSA wndClass) {
    auto windowClass = FindWindowClass(className);
    if (!windowClass || !wndClass) return FALSE;
    *wndClass = windowClass->info;
    return TRUE;
}

int WINAPI GetClassNameA(HWND window, LPSTR className, int maxCount) {
    Window* record = FindWindowRecord(window);
    return record ? CopyStringOut(record->windowClass->name, className, maxCount) : 0;
}
