// A renderer with a position, a hotspot, a frame counter and a clock of its own: movement,
// showing and hiding, pausing, playback speed, frame stepping with optional catch-up,
// collision bookkeeping and a list of sounds.
#pragma once

#include "engine/core/mRenderer.h"
#include "platform/win32.h"

class mMedia;
class mScript;
class mFile;

class mSprite : public mRenderer {
public:
    enum StateBits : DWORD {
        Hidden = 0x01,
        Paused = 0x02,
        HitPending = 0x04,
        CatchUp = 0x08, // a late tick replays as many steps as fit into the lateness
        Loop = 0x10,
        Repeat = 0x20, // internal to Tick: one more step is due
    };

    // One held sound (the media part of a wave-audio object).
    struct SoundNode {
        mMedia* sound;
        SoundNode* next;
    };

    mSprite();
    // Releases the sounds and the program as owner, then leaves the stage.
    virtual ~mSprite();

    void OnAttach() override;
    void Tick(DWORD lateness) override;
    void OnHit(mRenderer* other) override;

    // A z of 0 or less keeps the depth.
    virtual void SetPosition(LONG newX, LONG newY, LONG newZ);
    virtual void MoveBy(LONG dx, LONG dy, LONG dz);
    virtual void SetOrigin(LONG newOriginX, LONG newOriginY);
    virtual void Show();
    virtual void Hide();
    virtual void Start(DWORD instruction);
    virtual void Pause();
    virtual void Resume();
    // Rescales the current period by 100 / percent. A speed of 0 leaves the sprite
    // standing on its frame (no period) instead of dividing by zero.
    virtual void SetSpeed(DWORD percent);
    virtual void SetCatchUp(BOOL on);
    virtual void SetLoop(BOOL on);
    // Takes a hold on the sound; sounds are numbered from 0 in the order added.
    virtual void AddSound(mMedia* sound);
    // 1 when sound number index exists and was told to play, 0 otherwise.
    virtual int PlaySound(int index, DWORD duration, DWORD passes);
    // Compiles the script at the stream's position into program, appending to a program
    // loaded before. 0 when the stream is not open or no program results, else 1.
    virtual int LoadScript(mFile* stream);

    DWORD userFlags = 0;
    DWORD lastHitId = 0;
    LONG x = 0;
    LONG y = 0;
    LONG originX = 0;
    LONG originY = 0;
    LONG hideCount = 0; // 0 visible; each Hide lowers it, each Show raises it toward 0
    DWORD playSpeed = 100;
    mScript* program = nullptr;
    DWORD pc = 0;
    DWORD frame = 0;
    DWORD state = 0;
    SoundNode* sounds = nullptr;

protected:
    // Runs program from pc until an instruction ends the cycle (1); 0 without a program or
    // past its end.
    int RunProgram();
    // basePeriod scaled by 100 / playSpeed. At speed 0 the sprite stands still (0) and the
    // period is kept for the next non-zero speed.
    DWORD ScaledPeriod(DWORD basePeriod);
    void SetState(DWORD bits, bool on);
    bool Has(DWORD bits) const { return (state & bits) != 0; }

private:
    void ReleaseSounds();
    bool CreateProgram();
    void ReleaseProgram();
    // Resolves the label numbers of instructions from index `from` on.
    void ResolveLabels(LONG from);

    DWORD stillPeriod = 0; // the period to rescale when a speed of 0 is left
};
