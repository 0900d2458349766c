#include "platform/host/posix/daemon_windows.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>

#include "platform/drivers/display/sdl/foreign_window.h"

namespace platform {
namespace {

constexpr char kAdoptedClass[] = "LumarisHostWindow";

// A close request (the daemon's termination signal, or its box destroyed) is passed to the
// windows drawn inside, so the preview ends as it would on its own, settings stored, instead
// of being destroyed with its box. When the box is resized they take its new size.
LRESULT CALLBACK AdoptedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND child = message == WM_CLOSE || message == WM_SIZE ? GetWindow(window, GW_CHILD) : nullptr;
    if (!child) return DefWindowProcA(window, message, wParam, lParam);
    for (; child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (message == WM_CLOSE)
            PostMessageA(child, WM_CLOSE, 0, 0);
        else
            MoveWindow(child, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
    }
    return 0;
}

// A second registration fails harmlessly: the class is there either way.
void RegisterAdoptedClass() {
    WNDCLASSA adoptedClass{};
    adoptedClass.lpfnWndProc = AdoptedWindowProc;
    adoptedClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    adoptedClass.lpszClassName = kAdoptedClass;
    RegisterClassA(&adoptedClass);
}

} // namespace

unsigned long ParseHostWindowId(const char* text) {
    if (!text) return 0;
    const bool hex = text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const char* digits = hex ? text + 2 : text;
    // strtoul would take blanks and a sign too; an id is digits only.
    const bool startsWithDigit = hex ? std::isxdigit(static_cast<unsigned char>(*digits))
                                     : std::isdigit(static_cast<unsigned char>(*digits));
    if (!startsWithDigit) return 0;
    char* end = nullptr;
    errno = 0;
    const unsigned long id = std::strtoul(digits, &end, hex ? 16 : 10);
    return errno == 0 && *end == '\0' ? id : 0;
}

bool ShowFullScreenInHostWindow(unsigned long id) {
    SDL_Window* host = WrapX11Window(id);
    if (host) SetScreenHost(host);
    return host != nullptr;
}

HWND AdoptHostWindow(unsigned long id) {
    SDL_Window* host = WrapX11Window(id);
    if (!host) return nullptr;
    RegisterAdoptedClass();
    int width = 0, height = 0;
    SDL_GetWindowSize(host, &width, &height);
    // Made hidden and shown once the host is known, so the display never makes a window
    // of its own for it.
    HWND window = CreateWindowExA(0, kAdoptedClass, "", WS_POPUP, 0, 0, width, height, nullptr,
                                  nullptr, nullptr, nullptr);
    if (!window) {
        SDL_DestroyWindow(host); // only the wrapper: the daemon's window stays
        return nullptr;
    }
    SetAdoptedHost(window, host);
    ShowWindow(window, SW_SHOWNA);
    return window;
}

} // namespace platform
