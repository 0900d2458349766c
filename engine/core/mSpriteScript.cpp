// Compiling a sprite script: keywords from the stream's scanner, arguments by the keyword's
// form, then labels resolved to the index of the instruction that defines them. Loading
// goes on after every report.
#include "engine/core/mScript.h"
#include "engine/core/mSprite.h"
#include "engine/media/DecimalText.h"
#include "engine/media/mAudioWAV.h"
#include "engine/media/mFile.h"

#include <cstdio>
#include <cstring>
#include <new>

namespace {

constexpr size_t kArgumentLimit = 80; // the scanner's longest value

enum class Form { None, Number, ValueLabel, Label, FileName };

Form FormOf(WORD op) {
    switch (op) {
    case opNop:
    case opPause:
    case opHide:
    case opShow:
    case opEndCycle:
    case opEnd:
        return Form::None;
    case opIf:
    case opIfNot:
    case opIfFrame:
    case opIfHitId:
    case opIfHitMask:
        return Form::ValueLabel;
    case opIfHit:
    case opGoto:
    case opLoop:
        return Form::Label;
    case opWaveFile:
        return Form::FileName;
    default:
        return Form::Number;
    }
}

class Compiler {
public:
    Compiler(mSprite& compiled, mFile& source) : sprite(compiled), stream(source) {}

    // Appends every instruction up to END or the end of the text; the 256th and later
    // are dropped.
    void Run() {
        for (;;) {
            const LONG keyword = stream.NextKeyword(kScriptKeywords);
            if (keyword < 0 || keyword == opEnd) return;
            char* argument = reinterpret_cast<char*>(stream.State()->current);
            mInstruction instruction = {WORD(keyword), 0, 0};
            ReadArgument(instruction, argument);
            sprite.program->Append(instruction);
            // A value-and-label argument was cut at its comma, so the label is scanned
            // again as a word that is no keyword.
            stream.Seek(LONG(strnlen(argument, kArgumentLimit)), 1);
        }
    }

private:
    void ReadArgument(mInstruction& instruction, char* argument) {
        switch (FormOf(instruction.op)) {
        case Form::Number:
            instruction.arg = DecimalValue(argument);
            if (instruction.op == opAdvanceFrame && instruction.arg == 0) instruction.arg = 1;
            return;
        case Form::ValueLabel:
            return ReadValueAndLabel(instruction, argument);
        case Form::Label:
            instruction.label = WORD(DecimalValue(argument));
            if (instruction.label == 0) ReportMissing(instruction);
            return;
        case Form::FileName:
            return LoadSound(argument);
        case Form::None:
            return;
        }
    }

    // A label of 0 is missing here as well: it would otherwise jump to the first
    // instruction, which no label names.
    void ReadValueAndLabel(mInstruction& instruction, char* argument) {
        char* comma = std::strchr(argument, ',');
        if (!comma) return ReportMissing(instruction);
        *comma = '\0';
        instruction.arg = DecimalValue(argument);
        instruction.label = WORD(DecimalValue(comma + 1));
        if (instruction.label == 0) ReportMissing(instruction);
    }

    void ReportMissing(mInstruction& instruction) {
        sprite.Error(classSprite, errMissingParameter, kScriptKeywords[instruction.op]);
        instruction.op = opNop;
    }

    void LoadSound(const char* name);

    mSprite& sprite;
    mFile& stream;
};

void Compiler::LoadSound(const char* name) {
    auto* sound = new (std::nothrow) mAudioWAV;
    if (sound && sound->Open(name, 0)) return sprite.AddSound(sound);
    delete sound;
    sprite.Error(classSprite, errFileOpen, name);
}

// The first LABEL or ":" instruction that defines label, or -1.
LONG FindLabel(const mScript& program, WORD label) {
    for (LONG j = 0; j < program.count; ++j) {
        const mInstruction& candidate = program.instructions[j];
        if ((candidate.op == opLabel || candidate.op == opColon) && candidate.arg == LONG(label))
            return j;
    }
    return -1;
}

} // namespace

// A second load appends; only what it added is resolved, against the whole program, since
// the jumps of the first load already hold instruction indices, not label numbers.
int mSprite::LoadScript(mFile* stream) {
    if (!stream || !stream->State()->open) return 0;
    if (!program && !CreateProgram()) return 0;
    const LONG firstAdded = program->count;
    Compiler(*this, *stream).Run();
    if (program->count == 0) {
        ReleaseProgram();
        return 0;
    }
    ResolveLabels(firstAdded);
    return 1;
}

// Without memory for the store there is no program and nothing is read.
bool mSprite::CreateProgram() {
    mScript* created = new (std::nothrow) mScript;
    if (!created || !created->instructions) {
        delete created;
        Error(classSprite, errOutOfMemory);
        return false;
    }
    created->useCount += 1;
    program = created;
    return true;
}

void mSprite::ReleaseProgram() {
    if (!program) return;
    program->useCount -= 1;
    if (program->useCount == 0) delete program;
    program = nullptr;
}

void mSprite::ResolveLabels(LONG from) {
    for (LONG i = from; i < program->count; ++i) {
        mInstruction& instruction = program->instructions[i];
        if (instruction.label == 0) continue;
        const LONG target = FindLabel(*program, instruction.label);
        if (target >= 0) {
            instruction.label = WORD(target);
            continue;
        }
        char detail[12];
        std::snprintf(detail, sizeof detail, "%d", int(instruction.label));
        Error(classSprite, errLabelMissing, detail);
        instruction.op = opNop;
    }
}
