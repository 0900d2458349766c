#include "engine/core/mSprite.h"

#include "engine/core/mDirector.h"
#include "engine/media/mMedia.h"

#include <algorithm>
#include <cstdint>
#include <new>

namespace {

RECT Offset(const RECT& r, LONG dx, LONG dy) {
    return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

} // namespace

mSprite::mSprite() = default;

mSprite::~mSprite() {
    ReleaseSounds();
    ReleaseProgram();
}

void mSprite::ReleaseSounds() {
    while (sounds) {
        SoundNode* node = sounds;
        sounds = node->next;
        node->sound->useCount -= 1;
        if (node->sound->useCount == 0) delete node->sound;
        delete node;
    }
}

void mSprite::OnAttach() {
    if (!Has(Paused)) Start(0);
}

void mSprite::OnHit(mRenderer* other) {
    state |= HitPending;
    lastHitId = other->hitId;
}

void mSprite::Tick(DWORD lateness) {
    if (Has(Paused)) return;
    do {
        if (program)
            RunProgram();
        else
            frame += 1;
        state &= ~DWORD(Repeat);
        if (Has(CatchUp) && period != 0 && lateness >= period) {
            lateness -= period;
            state |= Repeat;
        }
    } while (Has(Repeat));
    SetPosition(x, y, z);
}

void mSprite::SetPosition(LONG newX, LONG newY, LONG newZ) {
    const LONG dx = newX - x;
    const LONG dy = newY - y;
    const RECT moved = Offset(rect, dx, dy);
    hitRect = Offset(hitRect, dx, dy);
    x = newX;
    y = newY;
    if (newZ > 0 && newZ != z) {
        z = newZ;
        if (director) director->ReorderRenderer(this);
    }
    if (director) {
        director->Invalidate(moved);
        director->Invalidate(rect);
    }
    rect = moved;
}

void mSprite::MoveBy(LONG dx, LONG dy, LONG dz) {
    SetPosition(x + dx, y + dy, z + dz);
}

void mSprite::SetOrigin(LONG newOriginX, LONG newOriginY) {
    originX = newOriginX;
    originY = newOriginY;
    SetPosition(x, y, z);
}

void mSprite::Show() {
    if (hideCount >= 0) return;
    hideCount += 1;
    if (hideCount != 0) return;
    SetState(Hidden, false);
    if (director) director->Invalidate(rect);
}

void mSprite::Hide() {
    hideCount -= 1;
    if (hideCount != -1) return;
    SetState(Hidden, true);
    if (director) director->Invalidate(rect);
}

void mSprite::Start(DWORD instruction) {
    SetState(Paused, false);
    pc = instruction;
}

void mSprite::Pause() {
    SetState(Paused, true);
}

void mSprite::Resume() {
    SetState(Paused, false);
}

// Rescales the present period, whatever speed it was computed with. Leaving a speed of 0
// restarts the clock so the still time is not replayed as lateness.
void mSprite::SetSpeed(DWORD percent) {
    const bool wasStill = playSpeed == 0;
    const DWORD present = wasStill ? stillPeriod : period;
    playSpeed = percent;
    period = ScaledPeriod(present);
    if (wasStill && period != 0) lastTick = timeGetTime();
}

DWORD mSprite::ScaledPeriod(DWORD basePeriod) {
    if (playSpeed == 0) {
        stillPeriod = basePeriod;
        return 0;
    }
    const uint64_t scaled = uint64_t(basePeriod) * 100 / playSpeed;
    return DWORD(std::min<uint64_t>(scaled, UINT32_MAX));
}

void mSprite::SetCatchUp(BOOL on) {
    SetState(CatchUp, on != 0);
}

void mSprite::SetLoop(BOOL on) {
    SetState(Loop, on != 0);
}

void mSprite::SetState(DWORD bits, bool on) {
    if (on)
        state |= bits;
    else
        state &= ~bits;
}

void mSprite::AddSound(mMedia* sound) {
    if (!sound) return;
    SoundNode* node = new (std::nothrow) SoundNode{sound, nullptr};
    if (!node) return;
    sound->useCount += 1;
    SoundNode** end = &sounds;
    while (*end)
        end = &(*end)->next;
    *end = node;
}

int mSprite::PlaySound(int index, DWORD duration, DWORD passes) {
    if (index < 0) return 0;
    SoundNode* node = sounds;
    for (int i = 0; node && i < index; ++i)
        node = node->next;
    if (!node) return 0;
    node->sound->Play(duration, passes);
    return 1;
}
