#include "engine/core/mRenderSolid.h"

#include "engine/core/mDirector.h"

mRenderSolid::mRenderSolid(const RECT& area) {
    rect = area;
    hitRect = area;
}

mRenderSolid::~mRenderSolid() = default;

void mRenderSolid::SetColour(RGBQUAD newColour) {
    colour = newColour;
    if (director) OnPaletteChanged();
}

void mRenderSolid::Draw(const RECT* rects, int count) {
    director->Fill(BYTE(colourIndex), rects, count);
}

void mRenderSolid::OnPaletteChanged() {
    colourIndex = DWORD(director->NearestColour(colour));
    director->Invalidate(rect);
}
