// NextKeyword over arbitrary text in a memory block of exactly the input's size. The first
// byte picks the keyword table and whether values are stepped over, as the script parser
// does, or rescanned, as the description parser does.
#include <cstring>
#include <memory>

#include "engine/media/mFile.h"
#include "platform/testing/message_boxes.h"

namespace {

const char* const kScriptKeywords[] = {
    "NOP",      "LABEL",   ":",        "FRAME",    "ADVANCEFRAME", "DELAY", "SPEED",
    "PAUSE",    "POSX",    "POSY",     "POSZ",     "MOVEX",        "MOVEY", "MOVEZ",
    "HIDE",     "SHOW",    "WAVEFILE", "SOUND",    "SET",          "CLEAR", "IF",
    "IFNOT",    "IFFRAME", "IFHIT",    "IFHITID",  "IFHITMASK",    "HITID", "HITMASK",
    "HITDEPTH", "GOTO",    "LOOP",     "ENDCYCLE", "END",          ""};
const char* const kSmallKeywords[] = {"FILE", "END", ""};

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const char* const* tables[] = {kScriptKeywords, kSmallKeywords};
    if (size < 1) return 0;
    const char* const* table = tables[data[0] & 1];
    bool stepOverValues = data[0] & 2;
    size_t length = size - 1;
    std::unique_ptr<BYTE[]> text(new BYTE[length ? length : 1]);
    std::memcpy(text.get(), data + 1, length);

    mFile stream;
    stream.OpenMemory(text.get(), LONG(length));
    const StreamState* state = stream.State();
    LONG index;
    while ((index = stream.NextKeyword(table)) >= 0) {
        Check(state->current >= text.get() && state->current < state->dataEnd);
        size_t value = strnlen(reinterpret_cast<const char*>(state->current),
                               size_t(state->dataEnd - state->current));
        Check(value <= 80 && state->current + value < state->dataEnd);
        if (stepOverValues) stream.Seek(LONG(value), 1);
    }
    stream.Close();
    platform::testing::ClearMessageBoxes(); // reports are recorded; keep memory flat
    return 0;
}
