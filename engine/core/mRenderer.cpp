#include "engine/core/mRenderer.h"

#include "engine/core/mDirector.h"

#include <cstdint>

mRenderer::mRenderer() {
    SetDepth(32767);
}

mRenderer::~mRenderer() {
    if (director) director->RemoveRenderer(this);
}

void mRenderer::SetZ(LONG newZ) {
    z = newZ;
    if (!director) return;
    director->ReorderRenderer(this);
    director->Invalidate(rect);
}

// A range that would wrap past the 32-bit limits (or a negative depth) falls back to the
// widest bound on that side.
void mRenderer::SetDepth(LONG newDepth) {
    depth = newDepth;
    const int64_t half = newDepth / 2;
    const int64_t top = int64_t(z) + half;
    const int64_t bottom = int64_t(z) - half;
    zMax = (top < z || top > INT32_MAX) ? 32767 : LONG(top);
    zMin = (bottom > z || bottom < INT32_MIN) ? 0 : LONG(bottom);
}
