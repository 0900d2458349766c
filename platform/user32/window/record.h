// The window manager's record of one window.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "platform/user32/window/class_table.h"

namespace platform {

struct Window {
    HWND handle = nullptr;
    std::shared_ptr<const WindowClass> windowClass;
    WNDPROC procedure = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    RECT rect{};                // in the parent's client coordinates (screen for top-level windows)
    HWND parent = nullptr;      // set for child windows only
    HWND owner = nullptr;       // set for owned top-level windows only
    std::vector<HWND> children; // bottom of the z-order first
    std::string title;
    HINSTANCE instance = nullptr;
    LONG_PTR id = 0;
    LONG_PTR userData = 0;
    std::vector<BYTE> extraBytes;
    RECT update{}; // bounding box of the invalid area, client coordinates
    bool eraseBackground = false;
    bool destroying = false;

    bool IsChild() const { return (style & WS_CHILD) != 0; }
    bool IsVisible() const { return (style & WS_VISIBLE) != 0; }
    LONG Width() const { return rect.right - rect.left; }
    LONG Height() const { return rect.bottom - rect.top; }
    bool NeedsPaint() const { return update.right > update.left && update.bottom > update.top; }
};

} // namespace platform
