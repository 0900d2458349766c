#include "engine/core/mScript.h"

const char* const kScriptKeywords[opCount + 1] = {
    "NOP",      "LABEL",   ":",        "FRAME",    "ADVANCEFRAME", "DELAY", "SPEED",
    "PAUSE",    "POSX",    "POSY",     "POSZ",     "MOVEX",        "MOVEY", "MOVEZ",
    "HIDE",     "SHOW",    "WAVEFILE", "SOUND",    "SET",          "CLEAR", "IF",
    "IFNOT",    "IFFRAME", "IFHIT",    "IFHITID",  "IFHITMASK",    "HITID", "HITMASK",
    "HITDEPTH", "GOTO",    "LOOP",     "ENDCYCLE", "END",          ""};

// One zero-filled fixed block for the program's life, as every engine object takes its memory.
mScript::mScript()
    : instructions(
          static_cast<mInstruction*>(GlobalAlloc(GPTR, SIZE_T(kCapacity) * sizeof(mInstruction)))) {
}

// The root's teardown reports the same count again; both boxes are the engine's way.
mScript::~mScript() {
    if (useCount != 0) Warning(classScript, errStillInUse);
    if (instructions) GlobalFree(instructions);
}

LONG mScript::Append(const mInstruction& instruction) {
    if (!instructions || count >= kCapacity) return 0;
    instructions[count] = instruction;
    return ++count;
}
