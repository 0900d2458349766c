// Stream headers take 56 bytes, the frame rectangle in 16-bit words, as most writers store
// them.
#include "tools/avi/AviWriter.h"

#include <algorithm>
#include <cstdio>

namespace avi {
namespace {

constexpr uint32_t kHasIndex = 0x10;
constexpr uint32_t kKeyFrame = 0x10;

struct Writer {
    std::vector<uint8_t> bytes;

    void U8(uint32_t v) { bytes.push_back(uint8_t(v)); }
    void U16(uint32_t v) {
        U8(v & 0xFF);
        U8(v >> 8 & 0xFF);
    }
    void U32(uint32_t v) {
        U16(v & 0xFFFF);
        U16(v >> 16);
    }
    // Opens a chunk (or a list or RIFF form when type is given); returns where its size goes.
    size_t Open(uint32_t id, uint32_t type = 0) {
        U32(id);
        size_t at = bytes.size();
        U32(0);
        if (type) U32(type);
        return at;
    }
    void Close(size_t sizeAt) {
        size_t size = bytes.size() - sizeAt - 4;
        for (int i = 0; i < 4; ++i)
            bytes[sizeAt + size_t(i)] = uint8_t(size >> (8 * i));
        if (size & 1) U8(0);
    }
};

size_t LargestChunk(const Movie& movie) {
    size_t largest = 0;
    for (const MovieChunk& chunk : movie.chunks)
        largest = std::max(largest, chunk.data.size());
    return largest;
}

uint32_t FrameCount(const Movie& movie) {
    uint32_t frames = 0;
    for (const MovieChunk& chunk : movie.chunks)
        frames += chunk.id == FourCC("00dc") ? 1 : 0;
    return frames;
}

void MainHeader(Writer& w, const Movie& movie) {
    size_t at = w.Open(FourCC("avih"));
    w.U32(movie.microsecondsPerFrame);
    w.U32(0); // maximum bytes per second
    w.U32(0); // padding granularity
    w.U32(kHasIndex);
    w.U32(FrameCount(movie));
    w.U32(0); // initial frames
    w.U32(1); // streams
    w.U32(uint32_t(LargestChunk(movie)));
    w.U32(uint32_t(movie.width));
    w.U32(uint32_t(movie.height));
    for (int i = 0; i < 4; ++i)
        w.U32(0);
    w.Close(at);
}

void StreamHeader(Writer& w, const Movie& movie) {
    size_t at = w.Open(FourCC("strh"));
    w.U32(FourCC("vids"));
    w.U32(movie.handler);
    w.U32(0);                          // flags
    w.U16(0);                          // priority
    w.U16(0);                          // language
    w.U32(0);                          // initial frames
    w.U32(movie.microsecondsPerFrame); // scale
    w.U32(1000000);                    // rate
    w.U32(0);                          // start
    w.U32(FrameCount(movie));
    w.U32(uint32_t(LargestChunk(movie)));
    w.U32(0xFFFFFFFF); // quality
    w.U32(0);          // sample size
    w.U16(0);
    w.U16(0);
    w.U16(uint32_t(movie.width));
    w.U16(uint32_t(movie.height));
    w.Close(at);
}

void StreamFormat(Writer& w, const Movie& movie) {
    size_t at = w.Open(FourCC("strf"));
    w.U32(40);
    w.U32(uint32_t(movie.width));
    w.U32(uint32_t(movie.height));
    w.U16(1);
    w.U16(8);
    w.U32(movie.compression);
    w.U32(uint32_t(((movie.width + 3) & ~3) * movie.height));
    w.U32(0);
    w.U32(0);
    w.U32(256);
    w.U32(0);
    for (const Colour& c : movie.palette) {
        w.U8(c.blue);
        w.U8(c.green);
        w.U8(c.red);
        w.U8(0);
    }
    w.Close(at);
}

void HeaderList(Writer& w, const Movie& movie) {
    size_t hdrl = w.Open(FourCC("LIST"), FourCC("hdrl"));
    MainHeader(w, movie);
    size_t strl = w.Open(FourCC("LIST"), FourCC("strl"));
    StreamHeader(w, movie);
    StreamFormat(w, movie);
    w.Close(strl);
    w.Close(hdrl);
}

// Index offsets count from the movie list's type field, as most writers do.
void MovieListAndIndex(Writer& w, const Movie& movie) {
    size_t movi = w.Open(FourCC("LIST"), FourCC("movi"));
    size_t typeAt = movi + 4;
    std::vector<uint32_t> offsets;
    for (const MovieChunk& chunk : movie.chunks) {
        offsets.push_back(uint32_t(w.bytes.size() - typeAt));
        size_t at = w.Open(chunk.id);
        w.bytes.insert(w.bytes.end(), chunk.data.begin(), chunk.data.end());
        w.Close(at);
    }
    w.Close(movi);
    size_t idx1 = w.Open(FourCC("idx1"));
    for (size_t i = 0; i < movie.chunks.size(); ++i) {
        w.U32(movie.chunks[i].id);
        w.U32(movie.chunks[i].key ? kKeyFrame : 0);
        w.U32(offsets[i]);
        w.U32(uint32_t(movie.chunks[i].data.size()));
    }
    w.Close(idx1);
}

} // namespace

MovieChunk PaletteChange(int first, const std::vector<Colour>& colours) {
    Writer w;
    w.U8(uint32_t(first));
    w.U8(uint32_t(colours.size() & 0xFF)); // 0 stands for 256
    w.U16(0);
    for (const Colour& c : colours) {
        w.U8(c.red);
        w.U8(c.green);
        w.U8(c.blue);
        w.U8(0);
    }
    return MovieChunk{FourCC("00pc"), w.bytes, false};
}

std::vector<uint8_t> WriteAvi(const Movie& movie) {
    Writer w;
    size_t riff = w.Open(FourCC("RIFF"), FourCC("AVI "));
    HeaderList(w, movie);
    MovieListAndIndex(w, movie);
    w.Close(riff);
    return w.bytes;
}

bool SaveFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

} // namespace avi
