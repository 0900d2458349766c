#include "app/RenderWindow.h"

namespace {

constexpr DWORD kRenderWindowStyle = 4;
constexpr INT_PTR kSystemWindowColour = 5; // COLOR_WINDOW

// Does no processing of its own.
LRESULT CALLBACK RenderWindowProc(HWND, UINT, WPARAM, LPARAM lParam) {
    return lParam;
}

} // namespace

void RegisterRenderClass() {
    WNDCLASSA renderClass{};
    renderClass.style = CS_CLASSDC;
    renderClass.lpfnWndProc = RenderWindowProc;
    renderClass.hInstance = GetModuleHandleA(nullptr);
    renderClass.hbrBackground = reinterpret_cast<HBRUSH>(kSystemWindowColour + 1);
    renderClass.lpszClassName = kRenderClassName;
    RegisterClassA(&renderClass);
}

HWND CreateRenderWindow(int width, int height, HWND owner) {
    RegisterRenderClass();
    return CreateWindowExA(0, kRenderClassName, "RenderWnd", kRenderWindowStyle, 0, 0, width,
                           height, owner, nullptr, GetModuleHandleA(nullptr), nullptr);
}
