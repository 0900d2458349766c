// One SDL window (our own, or a foreign one) showing a top-level window's framebuffer, with what is
// waiting to be shown.
#pragma once
#include <SDL.h>

#include <array>
#include <vector>

#include "platform/drivers/display/framebuffer.h"
#include "platform/win32.h"

namespace platform {

class SdlHostWindow {
public:
    explicit SdlHostWindow(HWND topLevel);
    ~SdlHostWindow();
    SdlHostWindow(const SdlHostWindow&) = delete;
    SdlHostWindow& operator=(const SdlHostWindow&) = delete;

    // Follows the top-level window's place, size, title and visibility.
    void Follow();
    Uint32 Id() const { return SDL_GetWindowID(window); }
    SDL_Window* Window() const { return window; }

    void MarkDirty(const RECT& area);
    void MarkAllDirty() { allDirty = true; }
    // Shows what changed of the framebuffer, which from then on may live in the window's
    // surface until the window's size changes or it goes.
    void Flush(Framebuffer& frame);
    // The foreign window is gone: nothing is shown in it any more.
    void Abandon() { abandoned = true; }

private:
    void ApplyGeometry(const RECT& client, bool fullScreen);
    void MeetThePointer();
    SDL_Surface* Surface(Framebuffer& frame);
    bool CanLend(const Framebuffer& frame, const SDL_Surface* surface) const;
    bool SurfaceStillFits() const;
    void ReturnFramebuffer();
    void ForgetLentPicture();
    void CopyAreas(const Framebuffer& frame, SDL_Surface* surface);
    void CopyArea(const Framebuffer& frame, SDL_Surface* surface, const SDL_Rect& area,
                  const std::array<Uint32, 256>& slotColours);

    HWND topLevel;
    SDL_Window* window = nullptr;
    bool foreign = false; // another program's window, not ours to place or destroy
    bool shown = false;
    bool abandoned = false;
    bool fullScreen = false;
    bool allDirty = true;
    Framebuffer* lentTo = nullptr;       // drawing straight into this window's surface
    const void* surfacePixels = nullptr; // of the surface last shown
    SIZE surfaceSize{};
    std::vector<SDL_Rect> dirty;
    std::vector<SDL_Rect> shownAreas; // kept between flushes, so a flush allocates nothing
};

} // namespace platform
