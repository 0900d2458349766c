// One frame of the stage: timed renderers advance, collisions are reported, the dirty areas
// are recomposed and copied to the window.
#include "engine/core/mDirector.h"

#include <algorithm>

namespace {

bool Overlap(const RECT& a, const RECT& b) {
    return std::max(a.left, b.left) < std::min(a.right, b.right) &&
           std::max(a.top, b.top) < std::min(a.bottom, b.bottom);
}

bool Collide(const mRenderer& a, const mRenderer& b) {
    return (a.hitMask & b.hitId) != 0 && a.zMax >= b.zMin && b.zMax >= a.zMin &&
           Overlap(a.hitRect, b.hitRect);
}

} // namespace

DWORD mDirector::Update() {
    TickRenderers();
    CheckHits();
    Compose();
    Present();
    return nextWait;
}

// Differences are unsigned so the clock may wrap. A Tick may re-sort the list (a renderer
// changing its depth), so the walk takes each next only after the Tick has returned.
void mDirector::TickRenderers() {
    if (!renderers) return;
    now = timeGetTime();
    DWORD wait = 0xFFFFFFFFu;
    bool timed = false;
    mRenderer* renderer = renderers;
    do {
        const DWORD period = renderer->period;
        if (period != 0) {
            DWORD elapsed = now - renderer->lastTick;
            if (elapsed >= period) {
                renderer->Tick(elapsed - period);
                renderer->lastTick = now;
                elapsed = 0;
            }
            wait = std::min(wait, period - elapsed);
            timed = true;
        }
        // A renderer that left the stage in its Tick has no place in the walk any more.
        if (renderer->director != this) break;
        renderer = renderer->next;
    } while (renderer != renderers);
    nextWait = timed ? wait : 0;
}

// Each test informs only the renderer whose mask matched; the other learns of the collision
// through its own test.
void mDirector::CheckHits() {
    if (!renderers) return;
    mRenderer* seeker = renderers;
    do {
        if (seeker->hitMask != 0) {
            mRenderer* other = renderers;
            do {
                if (other != seeker && Collide(*seeker, *other)) seeker->OnHit(other);
                other = other->next;
            } while (other != renderers);
        }
        seeker = seeker->next;
    } while (seeker != renderers);
}
