// A rectangle of one colour; every stage has one over its whole window as the background.
#pragma once

#include "engine/core/mRenderer.h"
#include "platform/win32.h"

class mRenderSolid : public mRenderer {
public:
    explicit mRenderSolid(const RECT& area);
    virtual ~mRenderSolid();

    // On a stage the nearest stage colour is used and the rectangle is redrawn.
    void SetColour(RGBQUAD newColour);

    // When the colour it shows is unchanged, only the parts of its rectangle where other
    // renderers stand are redrawn: their colours may have changed, the fill's have not. A
    // stage's colours step every few frames, and redrawing the whole background each time
    // would more than double what a frame copies to a true-colour window.

    void Draw(const RECT* rects, int count) override;
    void OnPaletteChanged() override;

    RGBQUAD colour = {0, 0, 0, 0};
    DWORD colourIndex = 0;

private:
    void InvalidateUnder(const mRenderer& other);

    static constexpr DWORD kNothingShown = 0xFFFFFFFFu;
    DWORD shownRgb = kNothingShown; // the stage colour at colourIndex when last invalidated
};
