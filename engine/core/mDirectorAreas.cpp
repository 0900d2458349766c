// The dirty-area table of the stage: merging insertion, composition of the dirty areas back
// to front, and their copy to the window.
#include "engine/core/mDirector.h"

#include <algorithm>

namespace {

// Larger than any stage coordinate, so the head sorts after every live area.
constexpr LONG headCoordinate = 32000;

bool Intersect(const RECT& a, const mDirtyArea& b, RECT& out) {
    out.left = std::max(a.left, b.left);
    out.top = std::max(a.top, b.top);
    out.right = std::min(a.right, b.right);
    out.bottom = std::min(a.bottom, b.bottom);
    return out.left < out.right && out.top < out.bottom;
}

} // namespace

void mDirector::SetDirtyCapacity(int slots) {
    FreeAreas();
    if (slots < 1) return;
    areas = static_cast<mDirtyArea*>(GlobalAlloc(GMEM_FIXED, SIZE_T(slots) * sizeof(mDirtyArea)));
    if (!areas) return;
    areaCapacity = slots;
    areas[0] = {headCoordinate, headCoordinate, headCoordinate, headCoordinate, &areas[0]};
    EmptyAreas();
}

void mDirector::FreeAreas() {
    if (areas) GlobalFree(areas);
    areas = nullptr;
    areaCapacity = 0;
    areaUsed = 0;
}

void mDirector::EmptyAreas() {
    areas[0].next = &areas[0];
    areaUsed = 1;
}

// Clipped to the stage and widened to 4-pixel columns; the right edge may then pass the
// stage width by up to 3 pixels, which stays inside the stored row.
void mDirector::Invalidate(const RECT* rects, int count) {
    if (!rects) return;
    for (int i = 0; i < count; ++i) {
        const LONG left = std::max<LONG>(rects[i].left, 0);
        const LONG top = std::max<LONG>(rects[i].top, 0);
        const LONG right = std::min(rects[i].right, info->width);
        const LONG bottom = std::min(rects[i].bottom, info->height);
        if (top >= bottom || right <= left) continue;
        AddArea(left & ~3, top, (right + 3) & ~3, bottom);
    }
}

// Keeps the live areas disjoint: absorbs areas the new one covers, merges areas that share
// its columns or rows and touch it, and otherwise adds only the parts outside an overlapped
// area. An absorbed slot is not reused until the table is emptied.
void mDirector::AddArea(LONG left, LONG top, LONG right, LONG bottom) {
    if (areaUsed >= areaCapacity) return;
    mDirtyArea* const head = &areas[0];
    mDirtyArea* previous = head;
    for (mDirtyArea* area = head->next; area != head; area = previous->next) {
        if (right < area->left || left > area->right || bottom < area->top || top > area->bottom) {
            previous = area;
            continue;
        }
        if (left <= area->left && right >= area->right && top <= area->top &&
            bottom >= area->bottom) {
            previous->next = area->next;
            continue;
        }
        if (left == area->left && right == area->right) {
            previous->next = area->next;
            AddArea(left, std::min(top, area->top), right, std::max(bottom, area->bottom));
            return;
        }
        if (top == area->top && bottom == area->bottom) {
            previous->next = area->next;
            AddArea(std::min(left, area->left), top, std::max(right, area->right), bottom);
            return;
        }
        if (right > area->left && left < area->right && bottom > area->top && top < area->bottom) {
            AddOutside(left, top, right, bottom, *area);
            return;
        }
        previous = area;
    }
    mDirtyArea* slot = &areas[areaUsed++];
    *slot = {left, top, right, bottom, nullptr};
    mDirtyArea* after = head;
    while (after->next != head &&
           (after->next->top < top || (after->next->top == top && after->next->left < left)))
        after = after->next;
    slot->next = after->next;
    after->next = slot;
}

// The parts of the new area that lie left of, right of, above and below an area it overlaps.
void mDirector::AddOutside(LONG left, LONG top, LONG right, LONG bottom,
                           const mDirtyArea& overlapped) {
    const mDirtyArea e = overlapped;
    const LONG bandTop = std::max(top, e.top);
    const LONG bandBottom = std::min(bottom, e.bottom);
    if (left < e.left) AddArea(left, bandTop, e.left, bandBottom);
    if (right > e.right) AddArea(e.right, bandTop, right, bandBottom);
    if (top < e.top) AddArea(left, top, right, e.top);
    if (bottom > e.bottom) AddArea(left, e.bottom, right, bottom);
}

// Back to front: every renderer paints once per dirty area it intersects, clipped to it.
void mDirector::Compose() {
    if (areaUsed < 2 || !renderers) return;
    mDirtyArea* const head = &areas[0];
    mRenderer* renderer = renderers;
    do {
        const RECT& bounds = renderer->rect;
        for (mDirtyArea* area = head->next; area != head && area->top <= bounds.bottom;
             area = area->next) {
            RECT clip;
            if (Intersect(bounds, *area, clip)) renderer->Draw(&clip, 1);
        }
        renderer = renderer->next;
    } while (renderer != renderers);
}

void mDirector::Present() {
    if (areaUsed < 2) return;
    HDC dc = GetDC(window);
    if (palette) {
        SelectPalette(dc, palette, FALSE);
        RealizePalette(dc);
    }
    mDirtyArea* const head = &areas[0];
    for (mDirtyArea* area = head->next; area != head; area = area->next) {
        // The widened right edge may pass the stage; the window has nothing there.
        const RECT copy = {area->left, area->top, std::min(area->right, info->width), area->bottom};
        PaintTo(dc, &copy, copy.left, copy.top);
    }
    ReleaseDC(window, dc);
    EmptyAreas();
}
