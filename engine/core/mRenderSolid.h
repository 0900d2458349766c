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

    void Draw(const RECT* rects, int count) override;
    void OnPaletteChanged() override;

    RGBQUAD colour = {0, 0, 0, 0};
    DWORD colourIndex = 0;
};
