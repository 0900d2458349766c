// A stream over a writable copy of some text, as scripts and descriptions are read.
#pragma once

#include "engine/media/mFile.h"

#include <string>
#include <vector>

class TextStream {
public:
    explicit TextStream(const std::string& text) : bytes(text.begin(), text.end()) {
        stream.OpenMemory(bytes.data(), LONG(bytes.size()));
    }
    ~TextStream() { stream.Close(); }
    mFile* operator->() { return &stream; }
    mFile* get() { return &stream; }
    // Stream offset of the next unread byte.
    LONG Offset() {
        const StreamState& state = *stream.State();
        return state.bufferOffset + LONG(state.current - state.bufferStart);
    }

private:
    std::vector<char> bytes;
    mFile stream;
};
