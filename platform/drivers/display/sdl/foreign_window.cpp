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

// A function of the Xlib that SDL already loaded; X's own library is not linked.
template <typename Function> Function XlibFunction(const char* name) {
    void* xlib = dlopen("libX11.so.6", RTLD_LAZY | RTLD_NOLOAD);
    void* found = xlib ? dlsym(xlib, name) : nullptr;
    if (xlib) dlclose(xlib); // the library stays loaded for SDL
    return reinterpret_cast<Function>(found);
}

// Xlib's default answer to an error, such as a window id that names no window, ends the
// process. While a foreign window is wrapped, errors are only noted. Xlib is the one SDL
// already loaded; X's own types are not needed to pass the handler.
class XErrorsNoted {
public:
    using Handler = int (*)(void* display, void* error);

    XErrorsNoted() {
        setHandler = XlibFunction<SetHandler>("XSetErrorHandler");
        sync = XlibFunction<Sync>("XSync");
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

// Not restored: a foreign window can vanish at any time, and a request made for it
// meanwhile must not end the program.
int IgnoreXError(void*, void*) {
    return 0;
}

// SDL selects no events on a foreign window: structure events (never button presses, which
// the owner may hold) are added to this program's mask, so resizes and destruction are seen.
void WatchStructure(SDL_Window* window) {
    using GetAttributes = int (*)(::Display*, ::Window, XWindowAttributes*);
    using SelectInput = int (*)(::Display*, ::Window, long);
    using SetHandler = XErrorsNoted::Handler (*)(XErrorsNoted::Handler);
    const auto getAttributes = XlibFunction<GetAttributes>("XGetWindowAttributes");
    const auto selectInput = XlibFunction<SelectInput>("XSelectInput");
    const auto setHandler = XlibFunction<SetHandler>("XSetErrorHandler");
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!getAttributes || !selectInput || !setHandler || !SDL_GetWindowWMInfo(window, &info) ||
        info.subsystem != SDL_SYSWM_X11)
        return;
    setHandler(IgnoreXError);
    XWindowAttributes attributes{};
    getAttributes(info.info.x11.display, info.info.x11.window, &attributes);
    selectInput(info.info.x11.display, info.info.x11.window,
                attributes.your_event_mask | StructureNotifyMask);
    SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
}

::Window XWindowOf(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    return SDL_GetWindowWMInfo(window, &info) && info.subsystem == SDL_SYSWM_X11
               ? info.info.x11.window
               : 0;
}

// The top-level window shown in the foreign window with this id, if any.
HWND TopLevelShownIn(::Window id) {
    const ForeignHosts& hosts = Hosts();
    for (const auto& [topLevel, window] : hosts.adopted) {
        if (XWindowOf(window) == id) return topLevel;
    }
    return hosts.screen && XWindowOf(hosts.screen) == id ? hosts.screenUser : nullptr;
}

bool SdlVideoOnX11() {
    Display(); // starts SDL video when the SDL display is the one chosen
    const char* driver = SDL_WasInit(SDL_INIT_VIDEO) ? SDL_GetCurrentVideoDriver() : nullptr;
    return driver && std::strcmp(driver, "x11") == 0;
}

} // namespace

SDL_Window* WrapX11Window(unsigned long id) {
    if (!id || !SdlVideoOnX11()) return nullptr;
    SDL_Window* window = nullptr;
    {
        XErrorsNoted errors;
        if (!errors.Guarding()) return nullptr;
        window = SDL_CreateWindowFrom(reinterpret_cast<const void*>(static_cast<uintptr_t>(id)));
        if (window && errors.NotedFor(window)) {
            SDL_DestroyWindow(window);
            return nullptr;
        }
    }
    if (window) WatchStructure(window);
    return window;
}

ForeignChange ForeignChangeOf(const SDL_SysWMmsg& message) {
    ForeignChange change;
    if (message.subsystem != SDL_SYSWM_X11) return change;
    const XEvent& event = message.msg.x11.event;
    if (event.type == ConfigureNotify) {
        change.topLevel = TopLevelShownIn(event.xconfigure.window);
        change.kind = ForeignChange::Kind::Resized;
        change.width = event.xconfigure.width;
        change.height = event.xconfigure.height;
    } else if (event.type == DestroyNotify) {
        change.topLevel = TopLevelShownIn(event.xdestroywindow.window);
        change.kind = ForeignChange::Kind::Destroyed;
    }
    if (!change.topLevel) change.kind = ForeignChange::Kind::Unchanged;
    return change;
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
