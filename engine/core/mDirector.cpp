// Construction, teardown and the depth-ordered renderer list of the stage.
#include "engine/core/mDirector.h"

#include "engine/core/mRenderSolid.h"

#include <new>

mDirector::mDirector(HWND stageWindow, int areaSlots) : window(stageWindow) {
    RECT client = {0, 0, 0, 0};
    GetClientRect(window, &client);
    CreateSection(client.right, client.bottom, 0);

    RGBQUAD black[256] = {};
    SetPalette(black, 0, 256);

    SetDirtyCapacity(areaSlots);

    // Without a background the stage still works; areas nobody covers keep old pixels.
    mRenderSolid* solid = new (std::nothrow) mRenderSolid(client);
    if (!solid) return;
    solid->hitMask = 0;
    AddRenderer(solid);
    background = solid;
}

mDirector::~mDirector() {
    FreeAreas();
    if (palette) {
        HDC dc = GetDC(window);
        SelectPalette(dc, oldPalette, FALSE);
        ReleaseDC(window, dc);
        DeleteObject(palette);
        palette = nullptr;
    }
    ReleaseRenderers();
    delete background;
    background = nullptr;
}

// Every renderer gives up its stage without being drawn again, so it may outlive the stage.
void mDirector::ReleaseRenderers() {
    mRenderer* first = renderers;
    renderers = nullptr;
    if (!first) return;
    mRenderer* renderer = first;
    do {
        mRenderer* following = renderer->next;
        renderer->useCount -= 1;
        renderer->OnDetach();
        renderer->director = nullptr;
        renderer->next = renderer->prev = nullptr;
        renderer = following;
    } while (renderer != first);
}

void mDirector::AddRenderer(mRenderer* renderer) {
    if (!renderer || renderer->director) return;
    renderer->director = this;
    renderer->useCount += 1;
    InsertSorted(renderer);
    renderer->lastTick = timeGetTime();
    renderer->OnAttach();
    renderer->OnPaletteChanged();
    Invalidate(renderer->rect);
    Compose();
}

void mDirector::RemoveRenderer(mRenderer* renderer) {
    if (!renderer || renderer->director != this) return;
    renderer->useCount -= 1;
    renderer->OnDetach();
    renderer->director = nullptr;
    if (renderer->next == renderer) {
        renderers = nullptr;
        renderer->next = renderer->prev = nullptr;
        return;
    }
    Unlink(renderer);
    Invalidate(renderer->rect);
    Compose();
}

void mDirector::ReorderRenderer(mRenderer* renderer) {
    if (!renderer || renderer->director != this || renderer->next == renderer) return;
    Unlink(renderer);
    InsertSorted(renderer);
    Invalidate(renderer->rect);
    renderer->SetDepth(renderer->depth);
}

// Ascending z; a renderer goes after those of equal z already there.
void mDirector::InsertSorted(mRenderer* renderer) {
    if (!renderers) {
        renderer->next = renderer->prev = renderer;
        renderers = renderer;
        return;
    }
    mRenderer* before = renderers;
    while (before->z <= renderer->z) {
        before = before->next;
        if (before == renderers) break;
    }
    renderer->next = before;
    renderer->prev = before->prev;
    before->prev->next = renderer;
    before->prev = renderer;
    if (renderer->z < renderers->z) renderers = renderer;
}

void mDirector::Unlink(mRenderer* renderer) {
    if (renderers == renderer) renderers = renderer->next;
    renderer->prev->next = renderer->next;
    renderer->next->prev = renderer->prev;
    renderer->next = renderer->prev = nullptr;
}
