// A compiled sprite script: a fixed store of instructions that a sprite runs from its Tick.
// The keyword table doubles as the opcode list: an instruction's op is its keyword's index.
#pragma once

#include "engine/core/mObject.h"
#include "platform/win32.h"

enum mScriptOp : WORD {
    opNop,
    opLabel,
    opColon, // same as LABEL
    opFrame,
    opAdvanceFrame,
    opDelay,
    opSpeed,
    opPause,
    opPosX,
    opPosY,
    opPosZ,
    opMoveX,
    opMoveY,
    opMoveZ,
    opHide,
    opShow,
    opWaveFile,
    opSound,
    opSet,
    opClear,
    opIf,
    opIfNot,
    opIfFrame,
    opIfHit,
    opIfHitId,
    opIfHitMask,
    opHitId,
    opHitMask,
    opHitDepth,
    opGoto,
    opLoop,
    opEndCycle,
    opEnd, // ends the text; never stored
    opCount
};

// The scanner's table: upper-case keywords in op order, ended by "".
extern const char* const kScriptKeywords[opCount + 1];

struct mInstruction {
    WORD op;
    WORD label; // label number after reading, index of its definition after resolution
    LONG arg;
};
static_assert(sizeof(mInstruction) == 8, "instructions are stored 8 bytes each");

// Not virtually derived and final: a program is only ever deleted as an mScript.
class mScript final : public mObject {
public:
    static constexpr LONG kCapacity = 255;

    // The store is allocated here; without memory `instructions` stays null.
    mScript();
    // Warns "Still in use" while held; the store is freed anyway.
    ~mScript();

    // Stores the instruction at index count; 0 when the store is full (or missing), else
    // the new count.
    LONG Append(const mInstruction& instruction);

    mInstruction* instructions = nullptr;
    LONG count = 0;
};
