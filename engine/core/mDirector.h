// The stage: an 8-bit off-screen bitmap bound to a window that recomposes only its dirty
// areas from depth-ordered renderers and copies exactly those areas to the window.
#pragma once

#include "engine/core/mRenderer.h"
#include "engine/gfx/mBitmap.h"
#include "platform/win32.h"

class mRenderSolid;

// One slot of the dirty-area table. Live areas form a circular list through the head slot,
// sorted by top, then left; no two live areas overlap.
struct mDirtyArea {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
    mDirtyArea* next;
};

class mDirector : public mBitmap {
public:
    // The stage bitmap takes the window's client size; all colours start black.
    mDirector(HWND window, int areaSlots);
    // Leaves every renderer still on the stage detached, so they may be destroyed later.
    virtual ~mDirector();

    // Replaces the dirty-area table by an empty one of that many slots (head included);
    // pending areas are forgotten. Without memory nothing is recorded or drawn afterwards.
    void SetDirtyCapacity(int slots);
    // colours[i] is the colour of entry first + i (blue, green, red, spare).
    void SetPalette(const RGBQUAD* colours, int first, int count);

    void AddRenderer(mRenderer* renderer);
    void RemoveRenderer(mRenderer* renderer);
    // Re-sorts a renderer whose z changed.
    void ReorderRenderer(mRenderer* renderer);

    // Marks rectangles (stage pixels, right and bottom exclusive) for recomposition.
    void Invalidate(const RECT* rects, int count);
    void Invalidate(const RECT& area) { Invalidate(&area, 1); }

    // One frame: TickRenderers, CheckHits, Compose, Present. Returns nextWait.
    DWORD Update();
    void TickRenderers();
    void CheckHits();
    void Compose();
    void Present();

    mRenderSolid* background = nullptr;
    HWND window = nullptr;
    HPALETTE oldPalette = nullptr;
    HPALETTE palette = nullptr; // null until the first SetPalette
    mDirtyArea* areas = nullptr;
    int areaCapacity = 0;
    int areaUsed = 0;               // slots consumed since last emptied, head included
    mRenderer* renderers = nullptr; // first of the circular list (drawn first)
    DWORD nextWait = 0;             // ms until the earliest timed renderer is due
    DWORD now = 0;                  // clock reading of the last tick pass

private:
    void AddArea(LONG left, LONG top, LONG right, LONG bottom);
    void AddOutside(LONG left, LONG top, LONG right, LONG bottom, const mDirtyArea& overlapped);
    void EmptyAreas();
    void FreeAreas();
    void InsertSorted(mRenderer* renderer);
    void Unlink(mRenderer* renderer);
    void ReleaseRenderers();
    void NotifyPaletteChanged();
    void CreateStagePalette(const RGBQUAD* colours, int first, int last);
    void AnimateRange(HDC dc, int from, int to);
    int StaticHalf(HDC dc, int n) const;
};
