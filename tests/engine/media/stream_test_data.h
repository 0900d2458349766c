// Sources for the stream tests: byte patterns, temporary files, RIFF chunks, and a memory
// block of exactly the data's size so that any access past it is caught.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/media/mFile.h"

namespace stream_test {

using Bytes = std::vector<BYTE>;

// Neighbours 256 apart differ, so a wrong offset shows.
inline Bytes Pattern(size_t length) {
    Bytes bytes(length);
    for (size_t i = 0; i < length; ++i)
        bytes[i] = BYTE(i ^ (i >> 8));
    return bytes;
}

inline Bytes Text(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

// Header, data and pad byte; a given sizeField replaces the true size in the header.
inline Bytes Chunk(const char* id, Bytes data, long long sizeField = -1) {
    DWORD size = sizeField < 0 ? DWORD(data.size()) : DWORD(sizeField);
    Bytes out(id, id + 4);
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(BYTE(size >> shift));
    out.insert(out.end(), data.begin(), data.end());
    if (data.size() & 1) out.push_back(0);
    return out;
}

// A RIFF or LIST chunk of the given type holding the given chunks.
inline Bytes Form(const char* outer, const char* type, const std::vector<Bytes>& chunks) {
    Bytes data(type, type + 4);
    for (const Bytes& chunk : chunks)
        data.insert(data.end(), chunk.begin(), chunk.end());
    return Chunk(outer, data);
}

class Source {
public:
    // Opens stream over a memory block or a temporary file holding bytes.
    void Open(mFile& stream, const Bytes& bytes, bool fromFile) {
        Remove();
        if (!fromFile) {
            block.reset(new BYTE[bytes.size() + !bytes.size()]);
            std::memcpy(block.get(), bytes.data(), bytes.size());
            stream.OpenMemory(block.get(), LONG(bytes.size()));
            return;
        }
        // A name of its own: test processes run side by side, from several build trees.
        path = ::testing::TempDir() + "stream_test_XXXXXX";
        int descriptor = mkstemp(path.data());
        ASSERT_GE(descriptor, 0);
        FILE* file = fdopen(descriptor, "wb");
        ASSERT_NE(file, nullptr);
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
        ASSERT_EQ(stream.Open(path.c_str(), 0), 1);
    }
    ~Source() { Remove(); }
    BYTE* Block() { return block.get(); }
    const char* Path() const { return path.c_str(); }

private:
    void Remove() {
        if (!path.empty()) std::remove(path.c_str());
    }
    std::unique_ptr<BYTE[]> block;
    std::string path;
};

inline LONG Offset(mFile& stream) {
    const StreamState* s = stream.State();
    return s->bufferOffset + LONG(s->current - s->bufferStart);
}

} // namespace stream_test
