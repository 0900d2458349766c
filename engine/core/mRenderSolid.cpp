#include "engine/core/mRenderSolid.h"

#include "engine/core/mDirector.h"

#include <algorithm>

namespace {

DWORD RgbOf(const RGBQUAD& c) {
    return DWORD(c.rgbRed) << 16 | DWORD(c.rgbGreen) << 8 | c.rgbBlue;
}

} // namespace

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
    const DWORD index = DWORD(director->NearestColour(colour));
    const RGBQUAD* table = director->info->colours;
    const DWORD shown = table ? RgbOf(table[index]) : kNothingShown;
    if (!table || index != colourIndex || shown != shownRgb) {
        colourIndex = index;
        shownRgb = shown;
        director->Invalidate(rect);
        return;
    }
    mRenderer* other = director->renderers;
    do {
        if (other != this) InvalidateUnder(*other);
        other = other->next;
    } while (other != director->renderers);
}

void mRenderSolid::InvalidateUnder(const mRenderer& other) {
    const RECT shown = other.ShownArea();
    const RECT overlap = {std::max(rect.left, shown.left), std::max(rect.top, shown.top),
                          std::min(rect.right, shown.right), std::min(rect.bottom, shown.bottom)};
    director->Invalidate(overlap);
}
