// AVI movies for the tests: the committed files with ffmpeg's decoding of them, a player that
// draws each frame onto a top-down target, and a small RIFF builder for crafted movies.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "engine/gfx/mBitmap.h"
#include "engine/media/mImageAVI.h"
#include "tests/support/source_tree.h"

namespace avi_test {

using Bytes = std::vector<BYTE>;

inline Bytes Movie(const std::string& name) {
    return SourceTreeBytes("tests/engine/media/data/movies/" + name);
}

// The data of every chunk of the movie list with the identifier, in file order.
inline Bytes ChunkData(const Bytes& file, const char* id) {
    Bytes data;
    size_t index = size_t(std::search(file.begin(), file.end(), "idx1", "idx1" + 4) - file.begin());
    for (size_t i = 0; i + 8 <= index; ++i) {
        if (std::memcmp(&file[i], id, 4) != 0) continue;
        size_t size = file[i + 4] | file[i + 5] << 8 | file[i + 6] << 16;
        data.insert(data.end(), file.begin() + long(i + 8), file.begin() + long(i + 8 + size));
        i += 7 + size;
    }
    return data;
}

// ffmpeg's frames: rows from the top, then 256 colours as 0xAARRGGBB words.
struct ReferenceFrames {
    LONG width, height;
    Bytes bytes;

    size_t FrameSize() const { return size_t(width) * size_t(height) + 1024; }
    LONG Count() const { return LONG(bytes.size() / FrameSize()); }
    const BYTE* Pixels(LONG frame) const { return &bytes[size_t(frame) * FrameSize()]; }
    RGBQUAD Colour(LONG frame, int index) const {
        const BYTE* p = Pixels(frame) + size_t(width) * size_t(height) + 4 * index;
        return RGBQUAD{p[0], p[1], p[2], 0};
    }
};

// An AVI image over bytes it keeps, drawing onto a top-down target of its size.
struct Player {
    explicit Player(Bytes file) : bytes(std::move(file)) {
        image.OpenMemory(bytes.data(), LONG(bytes.size()));
        opened = image.ReadHeader() &&
                 screen.Create(image.formatInfo->width, -image.formatInfo->height, 8);
        if (opened) image.SetTarget(&screen);
    }
    ~Player() { image.SetTarget(nullptr); }

    // The target's pixel rows, width bytes each, from the top.
    Bytes Shown() const {
        Bytes rows;
        for (LONG y = 0; y < screen.info->height; ++y) {
            const BYTE* row = screen.info->topRow + y * screen.info->pitch;
            rows.insert(rows.end(), row, row + screen.info->width);
        }
        return rows;
    }
    bool ShowsFrame(const ReferenceFrames& reference, LONG frame) const {
        Bytes shown = Shown();
        return std::memcmp(shown.data(), reference.Pixels(frame), shown.size()) == 0;
    }

    Bytes bytes;
    mImageAVI image;
    mBitmap screen;
    bool opened = false;
};

// RIFF building blocks, little-endian.
inline void Put32(Bytes& out, DWORD v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(BYTE(v >> (8 * i)));
}
inline Bytes Chunk(const char* id, const Bytes& data) {
    Bytes out(id, id + 4);
    Put32(out, DWORD(data.size()));
    out.insert(out.end(), data.begin(), data.end());
    if (data.size() & 1) out.push_back(0);
    return out;
}
inline Bytes List(const char* kind, const char* type, const std::vector<Bytes>& children) {
    Bytes data(type, type + 4);
    for (const Bytes& child : children)
        data.insert(data.end(), child.begin(), child.end());
    return Chunk(kind, data);
}
inline Bytes Record(const void* record, size_t size) {
    const BYTE* p = static_cast<const BYTE*>(record);
    return Bytes(p, p + size);
}

// An uncompressed 8-bit video stream list of width x height with the given priority.
inline Bytes VideoStream(LONG width, LONG height, WORD priority, size_t formatBytes = 1064) {
    avi::StreamHeader header{};
    header.type = avi::kVideoStream;
    header.priority = priority;
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[256];
    } format{};
    format.header = BITMAPINFOHEADER{40, width, height, 1, 8, BI_RGB, 0, 0, 0, 0, 0};
    for (int i = 0; i < 256; ++i)
        format.colours[i] = RGBQUAD{BYTE(i), BYTE(i), BYTE(i), 0};
    return List("LIST", "strl",
                {Chunk("strh", Record(&header, 56)), Chunk("strf", Record(&format, formatBytes))});
}

// A movie of the given stream lists and movie chunks, without an index.
inline Bytes CraftedMovie(LONG width, LONG height, const std::vector<Bytes>& streams,
                          const std::vector<Bytes>& movieChunks, DWORD frames) {
    avi::MainHeader main{};
    main.microSecPerFrame = 100000;
    main.totalFrames = frames;
    main.streams = DWORD(streams.size());
    main.width = DWORD(width);
    main.height = DWORD(height);
    std::vector<Bytes> header{Chunk("avih", Record(&main, sizeof main))};
    header.insert(header.end(), streams.begin(), streams.end());
    return List("RIFF", "AVI ", {List("LIST", "hdrl", header), List("LIST", "movi", movieChunks)});
}

} // namespace avi_test
