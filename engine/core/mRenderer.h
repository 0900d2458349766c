// Base of everything that stands on a stage: depth, bounding rectangle, timing and collision
// fields that the stage reads, and the operations the stage calls.
#pragma once

#include "engine/core/mObject.h"
#include "platform/win32.h"

class mDirector;

class mRenderer : public virtual mObject {
public:
    mRenderer();
    // Takes the renderer off its stage first.
    virtual ~mRenderer();

    virtual void OnAttach() {}
    virtual void OnDetach() {}
    // Paint into the stage bitmap, clipped to each of the rectangles.
    virtual void Draw(const RECT* /*rects*/, int /*count*/) {}
    // The period has elapsed; lateness is how many ms past due this tick comes.
    virtual void Tick(DWORD /*lateness*/) {}
    // Another renderer whose hitId matched this one's hitMask overlaps it.
    virtual void OnHit(mRenderer* /*other*/) {}
    virtual void OnPaletteChanged() {}
    // Where the renderer may have drawn on the stage: its rectangle, unless it knows that
    // parts of it stay untouched.
    virtual RECT ShownArea() const { return rect; }
    virtual void SetZ(LONG newZ);
    // Thickness along z for collisions; recomputes zMax and zMin from the current z.
    virtual void SetDepth(LONG newDepth);

    mDirector* director = nullptr;
    mRenderer* next = nullptr;
    mRenderer* prev = nullptr;
    DWORD lastTick = 0;
    DWORD period = 0; // 0: not timed
    LONG z = 0;       // larger values are drawn later, in front
    RECT rect = {0, 0, 0, 0};
    DWORD hitId = 0;
    DWORD hitMask = 0xFFFFFFFFu; // 0: never tests for collisions
    RECT hitRect = {0, 0, 0, 0};
    LONG depth = 32767;
    LONG zMax = 16383;
    LONG zMin = -16383;
};
