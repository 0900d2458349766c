// Registered window classes, looked up by name (without regard to case) or by atom.
#pragma once
#include <memory>
#include <string>

#include "platform/win32.h"

namespace platform {

struct WindowClass {
    WNDCLASSA info{}; // lpszClassName and lpszMenuName point into the strings below
    std::string name;
    std::string menuName;
    ATOM atom = 0;
};

// Shared so that a window keeps its class record even while the table changes.
std::shared_ptr<const WindowClass> FindWindowClass(LPCSTR nameOrAtom);
void ForgetWindowClasses();

} // namespace platform
