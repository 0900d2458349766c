// Running a sprite's program: from pc until an instruction ends the cycle. Arithmetic on the
// sprite's fields wraps, so no script value can overflow them.
#include "engine/core/mScript.h"
#include "engine/core/mSprite.h"

namespace {

// A run that meets none of PAUSE, LOOP, ENDCYCLE or the program's end (a GOTO to itself)
// ends its cycle after this many instructions; the next run goes on from there. Four passes
// over a full store leave every loop-free path of a program room to finish.
constexpr int kInstructionsPerRun = 4 * mScript::kCapacity;

LONG Wrapped(LONG a, LONG b) {
    return LONG(DWORD(a) + DWORD(b));
}

class Runner {
public:
    explicit Runner(mSprite& running) : sprite(running) {}

    // True when the instruction ends the cycle.
    bool Perform(const mInstruction& instruction) {
        switch (instruction.op) {
        case opPause:
            sprite.Pause();
            return true;
        case opLoop:
            sprite.pc = instruction.label;
            return true;
        case opEndCycle:
            return true;
        default:
            if (!Test(instruction)) Act(instruction);
            return false;
        }
    }

private:
    // Jumps and tests; false for every other instruction.
    bool Test(const mInstruction& instruction) {
        const DWORD value = DWORD(instruction.arg);
        switch (instruction.op) {
        case opIf:
            return JumpIf((sprite.userFlags & value) != 0, instruction);
        case opIfNot:
            return JumpIf((sprite.userFlags & value) == 0, instruction);
        case opIfFrame:
            return JumpIf(sprite.frame == value, instruction);
        case opIfHit:
            return JumpOnHit(true, instruction);
        case opIfHitId:
            return JumpOnHit(sprite.lastHitId == value, instruction);
        case opIfHitMask:
            return JumpOnHit((sprite.lastHitId & value) != 0, instruction);
        case opGoto:
            return JumpIf(true, instruction);
        default:
            return false;
        }
    }

    bool JumpIf(bool condition, const mInstruction& instruction) {
        if (condition) sprite.pc = instruction.label;
        return true;
    }

    // A hit is consumed only by the test that jumps on it.
    bool JumpOnHit(bool matches, const mInstruction& instruction) {
        if (!(sprite.state & mSprite::HitPending) || !matches) return true;
        sprite.state &= ~DWORD(mSprite::HitPending);
        return JumpIf(true, instruction);
    }

    void Act(const mInstruction& instruction) {
        const LONG n = instruction.arg;
        switch (instruction.op) {
        case opFrame:
            sprite.frame = DWORD(n);
            break;
        case opAdvanceFrame:
            sprite.frame += DWORD(n);
            break;
        case opDelay:
            sprite.period = DWORD(n);
            break;
        case opSpeed:
            sprite.playSpeed = DWORD(n);
            break;
        case opSound:
            sprite.PlaySound(n, 0, 1);
            break;
        case opSet:
            sprite.userFlags |= DWORD(n);
            break;
        case opClear:
            sprite.userFlags &= ~DWORD(n);
            break;
        case opHitId:
            sprite.hitId = DWORD(n);
            break;
        case opHitMask:
            sprite.hitMask = DWORD(n);
            break;
        default:
            Place(instruction);
        }
    }

    // Position, depth and visibility.
    void Place(const mInstruction& instruction) {
        const LONG n = instruction.arg;
        switch (instruction.op) {
        case opPosX:
            sprite.x = n;
            break;
        case opPosY:
            sprite.y = n;
            break;
        case opPosZ:
            sprite.SetZ(n);
            break;
        case opMoveX:
            sprite.x = Wrapped(sprite.x, n);
            break;
        case opMoveY:
            sprite.y = Wrapped(sprite.y, n);
            break;
        case opMoveZ:
            sprite.SetZ(Wrapped(sprite.z, n));
            break;
        case opHide:
            sprite.Hide();
            break;
        case opShow:
            sprite.Show();
            break;
        case opHitDepth:
            sprite.SetDepth(n);
            break;
        default: // NOP, LABEL, ":" and WAVEFILE do nothing when run
            break;
        }
    }

    mSprite& sprite;
};

} // namespace

int mSprite::RunProgram() {
    if (!program) return 0;
    Runner runner(*this);
    for (int performed = 0; performed < kInstructionsPerRun; ++performed) {
        if (pc >= DWORD(program->count)) return 0;
        const mInstruction& instruction = program->instructions[pc];
        pc += 1;
        if (runner.Perform(instruction)) return 1;
    }
    return 1;
}
