// Byte patterns, temporary files and RIFF images for the stream tests.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/media/mFile.h"

namespace stream_test {

// Bytes that differ from their neighbours 256 apart, so a wrong offset shows.
inline std::vector<BYTE> Pattern(size_t length) {
    std::vector<BYTE> bytes(length);
    for (size_t i = 0; i < length; ++i)
        bytes[i] = BYTE(i ^ (i >> 8) ^ (i >> 16));
    return bytes;
}

inline std::vector<BYTE> Bytes(const std::string& text) {
    return std::vector<BYTE>(text.begin(), text.end());
}

// A file in the test's temporary folder, removed again with the object.
class TempFile {
public:
    TempFile(const std::string& name, const std::vector<BYTE>& bytes)
        : path(::testing::TempDir() + name) {
        FILE* file = std::fopen(path.c_str(), "wb");
        if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
    ~TempFile() { std::remove(path.c_str()); }
    const char* Name() const { return path.c_str(); }

private:
    std::string path;
};

inline void AppendLE32(std::vector<BYTE>& out, DWORD value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(BYTE(value >> shift));
}

inline void AppendId(std::vector<BYTE>& out, const char* id) {
    out.insert(out.end(), id, id + 4);
}

// One chunk with its pad byte; sizeField overrides the size written in the header.
inline std::vector<BYTE> Chunk(const char* id, const std::vector<BYTE>& data,
                               long long sizeField = -1) {
    std::vector<BYTE> out;
    AppendId(out, id);
    AppendLE32(out, sizeField < 0 ? DWORD(data.size()) : DWORD(sizeField));
    out.insert(out.end(), data.begin(), data.end());
    if (data.size() & 1) out.push_back(0);
    return out;
}

inline std::vector<BYTE> Join(const std::vector<std::vector<BYTE>>& parts) {
    std::vector<BYTE> out;
    for (const auto& part : parts)
        out.insert(out.end(), part.begin(), part.end());
    return out;
}

inline std::vector<BYTE> Form(const char* outer, const char* type,
                              const std::vector<std::vector<BYTE>>& chunks) {
    std::vector<BYTE> data;
    AppendId(data, type);
    std::vector<BYTE> body = Join(chunks);
    data.insert(data.end(), body.begin(), body.end());
    return Chunk(outer, data);
}

inline std::vector<BYTE> List(const char* type, const std::vector<std::vector<BYTE>>& chunks) {
    return Form("LIST", type, chunks);
}

inline std::vector<BYTE> Riff(const char* type, const std::vector<std::vector<BYTE>>& chunks) {
    return Form("RIFF", type, chunks);
}

inline LONG Offset(mFile& stream) {
    const StreamState* s = stream.State();
    return s->bufferOffset + LONG(s->current - s->bufferStart);
}

} // namespace stream_test
