// The host display through SDL. Presents are gathered and shown when the program next looks
// for input, so a frame of many small copies reaches the screen as one update.
#include "platform/drivers/display/sdl/backend.h"

#include <SDL.h>

#include <algorithm>
#include <map>

#include "platform/drivers/display/sdl/foreign_window.h"
#include "platform/drivers/display/sdl/host_window.h"
#include "platform/drivers/display/sdl/input.h"
#include "platform/drivers/display/sdl/message_box.h"
#include "platform/user32/input/host_input.h"
#include "platform/user32/window/manager.h"

namespace platform {
namespace {

constexpr DWORD kLongestWait = 100;

class SdlBackend : public DisplayBackend, private SdlWindowDirectory {
public:
    ~SdlBackend() override {
        SetMessageBoxPresenter(nullptr);
        hosts.clear();
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }

    SIZE DesktopSize() override {
        if (SDL_Window* screen = ScreenHost()) {
            int width = 0, height = 0;
            SDL_GetWindowSize(screen, &width, &height);
            return SIZE{width, height};
        }
        SDL_DisplayMode mode;
        if (SDL_GetDesktopDisplayMode(0, &mode) != 0) return SIZE{1024, 768};
        return SIZE{mode.w, mode.h};
    }

    void TopLevelChanged(HWND topLevel) override {
        DisplayBackend::TopLevelChanged(topLevel);
        auto found = hosts.find(topLevel);
        if (found == hosts.end()) {
            // Made on first showing; the desktop window is the host's own screen.
            if (!IsShownOnScreen(topLevel) || topLevel == GetDesktopWindow()) return;
            found = hosts.emplace(topLevel, std::make_unique<SdlHostWindow>(topLevel)).first;
        }
        found->second->Follow();
    }

    void TopLevelDestroyed(HWND topLevel) override {
        hosts.erase(topLevel);
        DisplayBackend::TopLevelDestroyed(topLevel);
    }

    void PumpInput() override {
        Flush();
        SDL_ShowCursor(CursorIsShown() ? SDL_ENABLE : SDL_DISABLE);
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
            if (event.type == SDL_SYSWMEVENT)
                FollowForeignWindow(ForeignChangeOf(*event.syswm.msg));
            else
                input.Handle(event, *this);
        }
        input.Settle(*this);
    }

    void WaitForInput(DWORD milliseconds) override {
        Flush();
        // Bounded, as a signal need not end SDL's wait: the caller looks again.
        SDL_WaitEventTimeout(nullptr,
                             static_cast<int>(std::min<DWORD>(milliseconds, kLongestWait)));
    }

    // SDL's event queue is locked, and an event of a type nobody handles ends the wait.
    void WakeFromAnyThread() override {
        SDL_Event wake{};
        wake.type = wakeEvent;
        SDL_PushEvent(&wake);
    }

    void Present(HWND topLevel, const RECT& dirty) override {
        auto found = hosts.find(topLevel);
        if (found == hosts.end()) {
            TopLevelChanged(topLevel); // a window drawn before anyone reported it
            found = hosts.find(topLevel);
        }
        if (found != hosts.end()) found->second->MarkDirty(dirty);
    }

    void SystemPaletteChanged() override {
        for (auto& [window, host] : hosts)
            host->MarkAllDirty();
    }

private:
    HWND WindowOfId(Uint32 id) const override {
        for (const auto& [window, host] : hosts) {
            if (host->Id() == id) return window;
        }
        return nullptr;
    }

    bool OwnsKeyboardFocus() const override {
        SDL_Window* focus = SDL_GetKeyboardFocus();
        for (const auto& [window, host] : hosts) {
            if (host->Window() == focus) return true;
        }
        return false;
    }

    void Expose(HWND window) override {
        auto found = hosts.find(window);
        if (found != hosts.end()) found->second->MarkAllDirty();
    }

    // The daemon resized its window, or destroyed it: the program's window follows the new
    // size, or is asked to close (nothing is drawn into the vanished window meanwhile).
    void FollowForeignWindow(const ForeignChange& change) {
        auto found = hosts.find(change.topLevel);
        if (change.kind == ForeignChange::Kind::Destroyed) {
            if (found != hosts.end()) found->second->Abandon();
            InjectCloseRequest(change.topLevel);
        } else if (change.kind == ForeignChange::Kind::Resized) {
            RECT client{};
            GetClientRect(change.topLevel, &client);
            if (client.right != change.width || client.bottom != change.height)
                MoveWindow(change.topLevel, 0, 0, change.width, change.height, TRUE);
        }
    }

    void Flush() {
        for (auto& [window, host] : hosts) {
            if (Framebuffer* frame = FramebufferFor(window)) host->Flush(*frame);
        }
    }

    std::map<HWND, std::unique_ptr<SdlHostWindow>> hosts;
    SdlInput input;
    const Uint32 wakeEvent = SDL_RegisterEvents(1);
};

} // namespace

std::unique_ptr<DisplayBackend> MakeSdlBackend() {
    // Termination signals are the platform's own (close requests on every display), not
    // quit events that only this display would hear.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // A frame presents a few small rectangles. Through a renderer (OpenGL, often the software
    // rasteriser where no GPU driver is) that costs about half a core at 1920 x 1080; as
    // shared-memory images of just those rectangles about a twentieth. The environment's
    // SDL_FRAMEBUFFER_ACCELERATION still decides where it is set.
    SDL_SetHintWithPriority(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0", SDL_HINT_DEFAULT);
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return nullptr;
    auto backend = std::make_unique<SdlBackend>();
    SetMessageBoxPresenter(ShowSdlMessageBox);
    return backend;
}

} // namespace platform
