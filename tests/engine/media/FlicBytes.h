// Hand-made FLIC data for the decoder tests: little-endian fields, sub-chunks, frames and
// whole files.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace flictest {

using Bytes = std::vector<uint8_t>;

inline void Put16(Bytes& out, unsigned value) {
    out.push_back(uint8_t(value));
    out.push_back(uint8_t(value >> 8));
}
inline void Put32(Bytes& out, uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}
inline void Append(Bytes& out, const Bytes& more) {
    out.insert(out.end(), more.begin(), more.end());
}

// A sub-chunk; size 0 writes the real size.
inline Bytes SubChunk(unsigned type, const Bytes& data, uint32_t size = 0) {
    Bytes out;
    Put32(out, size ? size : uint32_t(6 + data.size()));
    Put16(out, type);
    Append(out, data);
    return out;
}

inline Bytes Frame(std::initializer_list<Bytes> chunks, unsigned type = 0xF1FA) {
    Bytes body;
    for (const Bytes& chunk : chunks)
        Append(body, chunk);
    Bytes out;
    Put32(out, uint32_t(16 + body.size()));
    Put16(out, type);
    Put16(out, unsigned(chunks.size()));
    out.resize(16, 0);
    Append(out, body);
    return out;
}

struct FileFields {
    unsigned magic = 0xAF12;
    unsigned frames = 1;
    unsigned width = 8;
    unsigned height = 4;
    unsigned depth = 8;
    uint32_t speed = 30;
    uint32_t firstOffset = 0;
    uint32_t secondOffset = 0;
};

// Header and frames; the ring frame, when wanted, is just the last of the frames given.
inline Bytes File(const FileFields& f, std::initializer_list<Bytes> frames) {
    Bytes out;
    Put32(out, 0);
    Put16(out, f.magic);
    Put16(out, f.frames);
    Put16(out, f.width);
    Put16(out, f.height);
    Put16(out, f.depth);
    Put16(out, 0);
    Put32(out, f.speed);
    out.resize(80, 0);
    Put32(out, f.firstOffset);
    Put32(out, f.secondOffset);
    out.resize(128, 0);
    for (const Bytes& frame : frames)
        Append(out, frame);
    out[0] = uint8_t(out.size());
    out[1] = uint8_t(out.size() >> 8);
    out[2] = uint8_t(out.size() >> 16);
    return out;
}

} // namespace flictest
