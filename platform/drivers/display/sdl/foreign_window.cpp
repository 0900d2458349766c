#include "platform/drivers/display/sdl/foreign_window.h"

#include <SDL_syswm.h>
#include <dlfcn.h>

#include <cstring>
#include <map>

#include "platform/drivers/display/backend.h"
#include "platform/user32/window/manager.h"

namespace platform {
namespace {

struct ForeignHosts {
    SDL_Window* screen = nullptr;
    HWND screenUser = nullptr;
    std::map<HWND, SDL_Window*> adopted;
};

// Never destroyed: the display's hosts, destroyed at exit in no known order with this, still
// release their foreign windows here.
ForeignHosts& Hosts() {
    static ForeignHosts* hosts = new ForeignHosts;
    return *hosts;
}

// Xlib's default answer to an error, such as a window id that names no window, ends the
// process. While a foreign window is wrapped, errors are only noted. Xlib is the one SDL
// already loaded; X's own types are not needed to pass the handler.
class XErrorsNoted {
public:
    using Handler = int (*)(void* display, void* error);

    XErrorsNoted() {
        void* xlib = dlopen("libX11.so.6", RTLD_LAZY | RTLD_NOLOAD);
        setHandler = xlib ? reinterpret_cast<SetHandler>(dlsym(xlib, "XSetErrorHandler")) : nullptr;
        sync = xlib ? reinterpret_cast<Sync>(dlsym(xlib, "XSync")) : nullptr;
        if (xlib) dlclose(xlib); // the library stays loaded for SDL
        noted = false;
        if (setHandler) previous = setHandler(Note);
    }
    ~XErrorsNoted() {
        if (setHandler) setHandler(previous);
    }
    XErrorsNoted(const XErrorsNoted&) = delete;
    XErrorsNoted& operator=(const XErrorsNoted&) = delete;

    // Without Xlib's calls an error cannot be caught: the caller does not go on.
    bool Guarding() const { return setHandler && sync; }

    // Errors of the requests made for the window so far, which Xlib sends without waiting.
    bool NotedFor(SDL_Window* window) const {
        SDL_SysWMinfo info;
        SDL_VERSION(&info.version);
        if (SDL_GetWindowWMInfo(window, &info) && info.subsystem == SDL_SYSWM_X11)
            sync(info.info.x11.display, 0);
        return noted;
    }

private:
    using SetHandler = Handler (*)(Handler);
    using Sync = int (*)(::Display* display, int discard);
    static int Note(void*, void*) {
        noted = true;
        return 0;
    }

    SetHandler setHandler = nullptr;
    Sync sync = nullptr;
    Handler previous = nullptr;
    static inline bool noted = false;
};

bool SdlVideoOnX11() {
    Display(); // starts SDL video when the SDL display is the one chosen
    const char* driver = SDL_WasInit(SDL_INIT_VIDEO) ? SDL_GetCurrentVideoDriver() : nullptr;
    return driver && std::strcmp(driver, "x11") == 0;
}

} // namespace

SDL_Window* WrapX11Window(unsigned long id) {
    if (!id || !SdlVideoOnX11()) return nullptr;
    XErrorsNoted errors;
    if (!errors.Guarding()) return nullptr;
    SDL_Window* window =
        SDL_CreateWindowFrom(reinterpret_cast<const void*>(static_cast<uintptr_t>(id)));
    if (window && errors.NotedFor(window)) {
        SDL_DestroyWindow(window);
        window = nullptr;
    }
    return window;
}

void SetScreenHost(SDL_Window* window) {
    Hosts().screen = window;
}

SDL_Window* ScreenHost() {
    return Hosts().screen;
}

void SetAdoptedHost(HWND topLevel, SDL_Window* window) {
    Hosts().adopted[topLevel] = window;
}

SDL_Window* ClaimForeignHost(HWND topLevel) {
    ForeignHosts& hosts = Hosts();
    auto adopted = hosts.adopted.find(topLevel);
    if (adopted != hosts.adopted.end()) return adopted->second;
    if (!hosts.screen || hosts.screenUser || !IsFullScreen(topLevel)) return nullptr;
    hosts.screenUser = topLevel;
    return hosts.screen;
}

void ReleaseForeignHost(HWND topLevel) {
    ForeignHosts& hosts = Hosts();
    if (hosts.screenUser == topLevel) hosts.screenUser = nullptr;
    hosts.adopted.erase(topLevel);
}

} // namespace platform
