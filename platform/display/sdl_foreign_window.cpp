#include "platform/display/sdl_foreign_window.h"

#include <cstring>
#include <map>

#include "platform/display/backend.h"
#include "platform/window_manager.h"

namespace platform {
namespace {

struct ForeignHosts {
    SDL_Window* screen = nullptr;
    HWND screenUser = nullptr;
    std::map<HWND, SDL_Window*> adopted;
};

ForeignHosts& Hosts() {
    static ForeignHosts hosts;
    return hosts;
}

bool SdlVideoOnX11() {
    Display(); // starts SDL video when the SDL display is the one chosen
    const char* driver = SDL_WasInit(SDL_INIT_VIDEO) ? SDL_GetCurrentVideoDriver() : nullptr;
    return driver && std::strcmp(driver, "x11") == 0;
}

} // namespace

SDL_Window* WrapX11Window(unsigned long id) {
    if (!id || !SdlVideoOnX11()) return nullptr;
    return SDL_CreateWindowFrom(reinterpret_cast<const void*>(static_cast<uintptr_t>(id)));
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
