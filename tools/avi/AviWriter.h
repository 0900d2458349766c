// A RIFF AVI file of one 8-bit video stream: header list, movie list of frame and palette
// change chunks, and an index flagging the key frames.
#pragma once
#include <string>

#include "tools/avi/Frame8.h"

namespace avi {

struct MovieChunk {
    uint32_t id; // "00dc" for a frame, "00pc" for a palette change
    std::vector<uint8_t> data;
    bool key;
};

struct Movie {
    int width = 0;
    int height = 0;
    uint32_t handler = 0;     // the stream header's handler code
    uint32_t compression = 0; // the format's biCompression
    uint32_t microsecondsPerFrame = 100000;
    std::vector<Colour> palette = std::vector<Colour>(256);
    std::vector<MovieChunk> chunks;
};

constexpr uint32_t FourCC(const char (&code)[5]) {
    return uint32_t(uint8_t(code[0])) | uint32_t(uint8_t(code[1])) << 8 |
           uint32_t(uint8_t(code[2])) << 16 | uint32_t(uint8_t(code[3])) << 24;
}

// A palette change chunk for entries [first, first + count) (count 1 to 256).
MovieChunk PaletteChange(int first, const std::vector<Colour>& colours);

std::vector<uint8_t> WriteAvi(const Movie& movie);
bool SaveFile(const std::string& path, const std::vector<uint8_t>& bytes);

} // namespace avi
