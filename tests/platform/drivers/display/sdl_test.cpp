// The SDL display's pieces on SDL's dummy video driver: what a host window shows of a
// framebuffer, and host events turned into window messages.
#include <SDL.h>

#include <cstdlib>

#include "platform/drivers/display/sdl/host_window.h"
#include "platform/drivers/display/sdl/input.h"
#include "platform/gdi32/system_palette.h"
#include "tests/platform/window_test_support.h"

namespace {

using platform::testing::DisplayClass;

class SdlDisplay : public window_test::WindowTest, public platform::SdlWindowDirectory {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) GTEST_SKIP() << SDL_GetError();
    }
    void TearDown() override {
        host.reset();
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        WindowTest::TearDown();
    }

    HWND WindowOfId(Uint32 id) const override {
        return host && host->Id() == id ? window : nullptr;
    }
    bool OwnsKeyboardFocus() const override { return focused; }
    void Expose(HWND) override { ++exposed; }

    void Open(RECT rect) {
        window = Make(WS_POPUP | WS_VISIBLE, rect);
        host = std::make_unique<platform::SdlHostWindow>(window);
        host->Follow();
        frame.Resize(rect.right - rect.left, rect.bottom - rect.top);
    }

    Uint32 SurfaceRgb(int x, int y) {
        SDL_Surface* surface = SDL_GetWindowSurface(host->Window());
        Uint32 pixel =
            reinterpret_cast<Uint32*>(static_cast<Uint8*>(surface->pixels) + y * surface->pitch)[x];
        Uint8 r, g, b;
        SDL_GetRGB(pixel, surface->format, &r, &g, &b);
        return (Uint32(r) << 16) | (Uint32(g) << 8) | b;
    }

    void Send(SDL_Event event) {
        input.Handle(event, *this);
        input.Settle(*this);
        Drain();
    }

    SDL_Event Key(SDL_Keycode key, bool down, Uint16 modifiers = 0) {
        SDL_Event event{};
        event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
        event.key.keysym.sym = key;
        event.key.keysym.mod = modifiers;
        event.key.windowID = host->Id();
        return event;
    }

    SDL_Event WindowEvent(Uint8 kind) {
        SDL_Event event{};
        event.type = SDL_WINDOWEVENT;
        event.window.event = kind;
        event.window.windowID = host->Id();
        return event;
    }

    HWND window = nullptr;
    std::unique_ptr<platform::SdlHostWindow> host;
    platform::Framebuffer frame;
    platform::SdlInput input;
    bool focused = false;
    int exposed = 0;
};

TEST_F(SdlDisplay, ShowsOnlyTheDirtyAreasUntilAPaletteChangeRecoloursAll) {
    platform::testing::SetDisplayClass(DisplayClass::Palette);
    Open(RECT{0, 0, 8, 4});
    frame.Row(1)[2] = 249; // the slot of static red
    host->Flush(frame);    // a new window is shown whole
    EXPECT_EQ(SurfaceRgb(2, 1), 0xFF0000u);

    frame.Row(0)[0] = 250; // green
    frame.Row(3)[7] = 255; // white
    host->MarkDirty(RECT{0, 0, 1, 1});
    host->Flush(frame);
    EXPECT_EQ(SurfaceRgb(0, 0), 0x00FF00u);
    EXPECT_EQ(SurfaceRgb(7, 3), 0u); // changed but never presented

    host->MarkAllDirty(); // as a palette change does
    host->Flush(frame);
    EXPECT_EQ(SurfaceRgb(7, 3), 0xFFFFFFu);
}

// True colour is the surface's own layout: the framebuffer moves into the surface, so what is
// drawn needs no copy, and it moves out again, picture kept, before the surface can go.
TEST_F(SdlDisplay, ATrueColourPictureLivesInTheSurfaceUntilItNoLongerFits) {
    Open(RECT{0, 0, 8, 4});
    frame.Row(1)[2] = 0x123456;
    host->Flush(frame);
    EXPECT_EQ(SurfaceRgb(2, 1), 0x123456u);
    frame.Row(3)[7] = 0x00FF00;
    EXPECT_EQ(SurfaceRgb(7, 3), 0x00FF00u);

    SDL_SetWindowSize(host->Window(), 6, 3);
    host->MarkDirty(RECT{0, 0, 1, 1});
    host->Flush(frame); // the 8 x 4 picture no longer fits the surface: it is the frame's own
    EXPECT_EQ(frame.Row(1)[2], 0x123456u);
    EXPECT_EQ(frame.Row(3)[7], 0x00FF00u);
    EXPECT_EQ(SurfaceRgb(2, 1), 0x123456u);

    platform::testing::SetDisplayClass(DisplayClass::Palette);
    SDL_SetWindowSize(host->Window(), 8, 4);
    frame.Row(0)[0] = 249;
    host->MarkAllDirty();
    host->Flush(frame); // slots are translated, never shown as they are
    EXPECT_EQ(SurfaceRgb(0, 0), 0xFF0000u);
    EXPECT_EQ(frame.Row(1)[2], 0x123456u);
}

TEST_F(SdlDisplay, KeysBecomeVirtualKeysWithAltAsSystemKeys) {
    Open(RECT{0, 0, 8, 4});
    SetFocus(window);
    Drain();
    log.clear();
    Send(Key(SDLK_a, true));
    Send(Key(SDLK_LSHIFT, true));
    Send(Key(SDLK_KP_5, false));
    Send(Key(SDLK_F4, true, KMOD_LALT)); // closes the window, as on Windows
    std::vector<std::pair<UINT, WPARAM>> keys;
    for (const auto& r : log) {
        if (r.message >= WM_KEYFIRST && r.message <= WM_KEYLAST && r.message != WM_CHAR &&
            r.message != WM_SYSCHAR) {
            keys.push_back({r.message, r.wParam});
        }
    }
    std::vector<std::pair<UINT, WPARAM>> expected = {
        {WM_KEYDOWN, 'A'}, {WM_KEYDOWN, VK_SHIFT}, {WM_KEYUP, VK_NUMPAD5}, {WM_SYSKEYDOWN, VK_F4}};
    EXPECT_EQ(keys, expected);
}

TEST_F(SdlDisplay, MouseCloseAndFocusReachTheWindow) {
    Open(RECT{100, 50, 140, 90});
    log.clear();
    SDL_Event button{};
    button.type = SDL_MOUSEBUTTONDOWN;
    button.button.button = SDL_BUTTON_RIGHT;
    button.button.windowID = host->Id();
    button.button.x = 5;
    button.button.y = 7;
    Send(button);
    POINT cursor;
    GetCursorPos(&cursor);
    EXPECT_EQ(cursor.x, 105);
    EXPECT_EQ(cursor.y, 57);
    EXPECT_EQ(Take({WM_RBUTTONDOWN}), std::vector<UINT>{WM_RBUTTONDOWN});

    focused = true;
    Send(WindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED));
    log.clear();
    // Focus passing between two of the program's windows is no loss of activation.
    input.Handle(WindowEvent(SDL_WINDOWEVENT_FOCUS_LOST), *this);
    Send(WindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED));
    focused = false;
    Send(WindowEvent(SDL_WINDOWEVENT_FOCUS_LOST));
    focused = true;
    Send(WindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED));
    std::vector<WPARAM> activations;
    for (const auto& r : log) {
        if (r.message == WM_ACTIVATEAPP) activations.push_back(r.wParam);
    }
    EXPECT_EQ(activations, (std::vector<WPARAM>{FALSE, TRUE}));

    Send(WindowEvent(SDL_WINDOWEVENT_EXPOSED));
    EXPECT_EQ(exposed, 1);
    log.clear();
    Send(WindowEvent(SDL_WINDOWEVENT_CLOSE));
    EXPECT_EQ(Take({WM_CLOSE}), std::vector<UINT>{WM_CLOSE});
}

} // namespace
