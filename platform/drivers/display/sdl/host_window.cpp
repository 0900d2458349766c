#include "platform/drivers/display/sdl/host_window.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "platform/drivers/display/display_class.h"
#include "platform/drivers/display/sdl/foreign_window.h"
#include "platform/gdi32/system_palette.h"
#include "platform/user32/window/manager.h"

namespace platform {
namespace {

// Beyond this many rectangles each new one joins an existing one: a stage frame presents
// about a hundred small areas, and showing the whole window instead would copy it all.
constexpr size_t kMaxDirtyRects = 64;

// How much larger a becomes when it grows to cover b.
int64_t Growth(const SDL_Rect& a, const SDL_Rect& b) {
    SDL_Rect both;
    SDL_UnionRect(&a, &b, &both);
    return int64_t{both.w} * both.h - int64_t{a.w} * a.h;
}

bool HasCaption(HWND window) {
    return (static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)) & WS_CAPTION) == WS_CAPTION;
}

// Framebuffer value -> surface pixel, for the 256 slots of a palette display.
std::array<Uint32, 256> SlotColours(const SDL_PixelFormat* format) {
    std::array<Uint32, 256> colours;
    for (int slot = 0; slot < 256; ++slot) {
        const PALETTEENTRY& e = gdi::TheSystemPalette().Entry(slot);
        colours[slot] = SDL_MapRGB(format, e.peRed, e.peGreen, e.peBlue);
    }
    return colours;
}

template <typename Convert>
void CopyRows(const Framebuffer& frame, SDL_Surface* surface, const SDL_Rect& area,
              Convert convert) {
    for (int y = area.y; y < area.y + area.h; ++y) {
        const uint32_t* in = frame.Row(y) + area.x;
        auto* out =
            reinterpret_cast<Uint32*>(static_cast<Uint8*>(surface->pixels) + y * surface->pitch) +
            area.x;
        for (int i = 0; i < area.w; ++i)
            out[i] = convert(in[i]);
    }
}

// The framebuffer's own layout: whole rows at memcpy's speed. A palette animation presents
// every pixel of the window, several times a second.
void CopySameRows(const Framebuffer& frame, SDL_Surface* surface, const SDL_Rect& area) {
    for (int y = area.y; y < area.y + area.h; ++y) {
        std::memcpy(static_cast<Uint8*>(surface->pixels) + y * surface->pitch + area.x * 4,
                    frame.Row(y) + area.x, size_t(area.w) * 4);
    }
}

SDL_Window* OwnWindowFor(HWND topLevel) {
    char title[256] = "";
    GetWindowTextA(topLevel, title, sizeof title);
    Uint32 flags = SDL_WINDOW_HIDDEN | (HasCaption(topLevel) ? 0 : SDL_WINDOW_BORDERLESS);
    RECT client{0, 0, 1, 1};
    ClientRectOnScreen(topLevel, &client);
    return SDL_CreateWindow(title, client.left, client.top,
                            std::max<LONG>(client.right - client.left, 1),
                            std::max<LONG>(client.bottom - client.top, 1), flags);
}

} // namespace

SdlHostWindow::SdlHostWindow(HWND topLevel)
    : topLevel(topLevel), window(ClaimForeignHost(topLevel)), foreign(window != nullptr) {
    if (!foreign) window = OwnWindowFor(topLevel);
}

SdlHostWindow::~SdlHostWindow() {
    ReturnFramebuffer();
    if (foreign)
        ReleaseForeignHost(topLevel);
    else if (window)
        SDL_DestroyWindow(window);
}

void SdlHostWindow::Follow() {
    RECT client;
    if (!window || !ClientRectOnScreen(topLevel, &client)) return;
    bool visible = IsShownOnScreen(topLevel);
    if (foreign) { // its owner places, shows and names it
        allDirty = allDirty || visible != shown;
        shown = visible;
        return;
    }
    if (visible) ApplyGeometry(client, IsFullScreen(topLevel));
    if (visible != shown) {
        visible ? SDL_ShowWindow(window) : SDL_HideWindow(window);
        shown = visible;
        allDirty = true;
        // Some hosts place a window only once it is mapped.
        if (visible) ApplyGeometry(client, fullScreen);
        if (visible && fullScreen) MeetThePointer();
    }
    char title[256] = "";
    GetWindowTextA(topLevel, title, sizeof title);
    SDL_SetWindowTitle(window, title);
}

// A full-screen window ends programs that watch the mouse drift; the host pointer is put
// where the program believes the cursor is, so the first host motion is no jump.
void SdlHostWindow::MeetThePointer() {
    POINT cursor;
    if (GetCursorPos(&cursor)) SDL_WarpMouseGlobal(cursor.x, cursor.y);
}

void SdlHostWindow::ApplyGeometry(const RECT& client, bool wantFullScreen) {
    if (wantFullScreen != fullScreen) {
        SDL_SetWindowFullscreen(window, wantFullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
        fullScreen = wantFullScreen;
        allDirty = true;
    }
    if (fullScreen) return;
    int width = std::max<LONG>(client.right - client.left, 1);
    int height = std::max<LONG>(client.bottom - client.top, 1);
    int oldWidth, oldHeight;
    SDL_GetWindowSize(window, &oldWidth, &oldHeight);
    if (oldWidth != width || oldHeight != height) {
        SDL_SetWindowSize(window, width, height);
        allDirty = true;
    }
    SDL_SetWindowPosition(window, client.left, client.top);
}

void SdlHostWindow::MarkDirty(const RECT& area) {
    if (allDirty) return;
    SDL_Rect rect{area.left, area.top, area.right - area.left, area.bottom - area.top};
    if (dirty.size() < kMaxDirtyRects) {
        dirty.push_back(rect);
        return;
    }
    auto closest = std::min_element(dirty.begin(), dirty.end(), [&](const auto& a, const auto& b) {
        return Growth(a, rect) < Growth(b, rect);
    });
    SDL_UnionRect(&*closest, &rect, &*closest);
}

void SdlHostWindow::Flush(Framebuffer& frame) {
    if (!shown || abandoned || (!allDirty && dirty.empty())) return;
    SDL_Surface* surface = Surface(frame);
    if (!surface || surface->format->BytesPerPixel != 4) return;
    SDL_Rect bounds{0, 0, std::min<int>(surface->w, frame.Width()),
                    std::min<int>(surface->h, frame.Height())};
    if (allDirty) dirty.assign(1, SDL_Rect{0, 0, surface->w, surface->h});
    shownAreas.clear();
    for (const SDL_Rect& area : dirty) {
        SDL_Rect clipped;
        if (SDL_IntersectRect(&area, &bounds, &clipped)) shownAreas.push_back(clipped);
    }
    if (!frame.Shows(surface->pixels)) CopyAreas(frame, surface);
    if (allDirty) {
        SDL_UpdateWindowSurface(window);
    } else if (!shownAreas.empty()) {
        SDL_UpdateWindowSurfaceRects(window, shownAreas.data(),
                                     static_cast<int>(shownAreas.size()));
    }
    dirty.clear();
    allDirty = false;
}

// The window surface, with the framebuffer drawing straight into it where it can. SDL frees a
// surface only when asked for a new one after a resize (or when the window goes), so the
// framebuffer moves back into its own memory first when the size no longer matches.
SDL_Surface* SdlHostWindow::Surface(Framebuffer& frame) {
    if (lentTo && !SurfaceStillFits()) ReturnFramebuffer();
    SDL_Surface* surface = SDL_GetWindowSurface(window);
    if (lentTo && !(surface && lentTo->Shows(surface->pixels))) ForgetLentPicture();
    if (!surface) return nullptr;
    // A new surface holds nothing yet.
    if (surface->pixels != surfacePixels || surface->w != surfaceSize.cx ||
        surface->h != surfaceSize.cy) {
        allDirty = true;
    }
    surfacePixels = surface->pixels;
    surfaceSize = SIZE{surface->w, surface->h};
    if (CanLend(frame, surface)) {
        frame.Lend(static_cast<uint32_t*>(surface->pixels), size_t(surface->pitch) / 4);
        lentTo = &frame;
    } else if (lentTo) {
        ReturnFramebuffer();
    }
    return surface;
}

// Only a true-colour picture is the surface's own layout; a palette display's slots are
// translated on every copy.
bool SdlHostWindow::CanLend(const Framebuffer& frame, const SDL_Surface* surface) const {
    return CurrentDisplayClass() == DisplayClass::TrueColour &&
           surface->format->format == SDL_PIXELFORMAT_RGB888 && surface->pitch % 4 == 0 &&
           surface->w == frame.Width() && surface->h == frame.Height() &&
           (!lentTo || lentTo == &frame);
}

bool SdlHostWindow::SurfaceStillFits() const {
    int width = 0, height = 0;
    SDL_GetWindowSizeInPixels(window, &width, &height);
    return width == surfaceSize.cx && height == surfaceSize.cy;
}

// Resized and back between two flushes: SDL made a new surface, and the picture went with the
// old one. The window draws itself again.
void SdlHostWindow::ForgetLentPicture() {
    lentTo->Forget();
    lentTo = nullptr;
    allDirty = true;
    InvalidateRect(topLevel, nullptr, FALSE);
}

void SdlHostWindow::ReturnFramebuffer() {
    if (lentTo) lentTo->Return();
    lentTo = nullptr;
}

void SdlHostWindow::CopyAreas(const Framebuffer& frame, SDL_Surface* surface) {
    std::array<Uint32, 256> slotColours{};
    if (CurrentDisplayClass() == DisplayClass::Palette) slotColours = SlotColours(surface->format);
    SDL_LockSurface(surface);
    for (const SDL_Rect& area : shownAreas)
        CopyArea(frame, surface, area, slotColours);
    SDL_UnlockSurface(surface);
}

void SdlHostWindow::CopyArea(const Framebuffer& frame, SDL_Surface* surface, const SDL_Rect& area,
                             const std::array<Uint32, 256>& slotColours) {
    const SDL_PixelFormat* format = surface->format;
    if (CurrentDisplayClass() == DisplayClass::Palette) {
        CopyRows(frame, surface, area, [&](uint32_t slot) { return slotColours[slot & 0xFF]; });
    } else if (format->format == SDL_PIXELFORMAT_RGB888) {
        CopySameRows(frame, surface, area);
    } else {
        CopyRows(frame, surface, area, [format](uint32_t rgb) {
            return SDL_MapRGB(format, (rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
        });
    }
}

} // namespace platform
