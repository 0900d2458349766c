// The encoder's file layout and chunk choices, and its packets at their limits (long
// skips, long runs, odd widths, rows too busy for DELTA_FLI) decoded back by the engine.
#include "engine/gfx/mBitmap.h"
#include "engine/media/FlicFormat.h"
#include "engine/media/mImageFlic.h"
#include "platform/testing/message_boxes.h"
#include "tests/tools/LittleEndianFields.h"
#include "tools/flic/FlicWriter.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;
using Frame = std::vector<uint8_t>;

struct ChunkRecord {
    uint16_t type;
    uint32_t size;
};
struct FrameRecord {
    size_t offset;
    std::vector<ChunkRecord> chunks;
};

// Walks the frame chunks as a reader would; every size must add up exactly.
std::vector<FrameRecord> Frames(const Bytes& file) {
    std::vector<FrameRecord> frames;
    for (size_t at = flic::kHeaderSize; at < file.size();) {
        EXPECT_EQ(U16(file, at + 4), flic::kFrameType);
        FrameRecord frame{at, {}};
        size_t chunk = at + flic::kFrameHeaderSize;
        for (int i = 0; i < U16(file, at + 6); ++i) {
            frame.chunks.push_back({U16(file, chunk + 4), U32(file, chunk)});
            EXPECT_EQ(U32(file, chunk) % 2, 0u) << "chunks keep even sizes";
            chunk += U32(file, chunk);
        }
        EXPECT_EQ(chunk, at + U32(file, at));
        frames.push_back(frame);
        at = chunk;
    }
    return frames;
}

std::vector<uint16_t> Types(const FrameRecord& frame) {
    std::vector<uint16_t> types;
    for (const ChunkRecord& c : frame.chunks)
        types.push_back(c.type);
    return types;
}

flic::Palette Greys() {
    flic::Palette palette{};
    for (int i = 0; i < 256; ++i)
        palette[i] = {uint8_t(i), uint8_t(i), uint8_t(i)};
    return palette;
}

Bytes Encode(flic::WriterOptions options, const std::vector<Frame>& frames,
             const std::vector<flic::Palette>& palettes = {}) {
    flic::FlicWriter writer(options);
    for (size_t i = 0; i < frames.size(); ++i)
        writer.AddFrame(frames[i].data(), palettes.empty() ? Greys() : palettes[i]);
    return writer.Finish();
}

// Decodes every frame and the ring frame with the engine.
std::vector<Frame> Decode(Bytes& file, int width, int height, int frames) {
    mImageFlic image;
    mBitmap screen;
    image.OpenMemory(file.data(), LONG(file.size()));
    EXPECT_TRUE(image.ReadHeader());
    EXPECT_TRUE(screen.Create(width, height, 8));
    image.SetTarget(&screen);
    std::vector<Frame> decoded;
    for (int n = 0; n <= frames; ++n) {
        image.SeekFrame(n == frames ? 0 : n, 0);
        EXPECT_GE(image.Draw(0, 0, nullptr), 0);
        Frame pixels;
        for (int y = 0; y < height; ++y) {
            const BYTE* row = screen.info->topRow + y * screen.info->pitch;
            pixels.insert(pixels.end(), row, row + width);
        }
        decoded.push_back(pixels);
    }
    image.SetTarget(nullptr);
    // FLI_COPY chunks always bring the decoder's "Not tested" warning; nothing else may.
    for (auto& box : platform::testing::TakeMessageBoxes())
        if (box.text.find("LITERAL") == std::string::npos)
            ADD_FAILURE() << box.caption << ": " << box.text;
    return decoded;
}

void ExpectRoundTrip(flic::WriterOptions options, const std::vector<Frame>& frames) {
    Bytes file = Encode(options, frames);
    std::vector<Frame> decoded = Decode(file, options.width, options.height, int(frames.size()));
    for (size_t i = 0; i < frames.size(); ++i)
        EXPECT_EQ(decoded[i], frames[i]) << "frame " << i;
    EXPECT_EQ(decoded.back(), frames.front()) << "ring frame";
}

flic::WriterOptions Options(flic::Format format, int width, int height) {
    flic::WriterOptions options;
    options.format = format;
    options.width = width;
    options.height = height;
    return options;
}

Frame Filled(int width, int height, uint8_t value) {
    return Frame(size_t(width) * height, value);
}

// Deterministic noise that no run-length or delta coding can shrink.
Frame Noise(int width, int height, uint32_t seed) {
    Frame frame(size_t(width) * height);
    for (uint8_t& p : frame) {
        seed = seed * 1664525u + 1013904223u;
        p = uint8_t(seed >> 24);
    }
    return frame;
}

TEST(FlicWriterLayout, FlcHeaderCountsFramesWithoutTheRingAndPointsAtTheFirstTwo) {
    std::vector<Frame> frames = {Filled(20, 10, 3), Filled(20, 10, 4), Filled(20, 10, 5)};
    Bytes file = Encode(Options(flic::Format::Flc, 20, 10), frames);
    std::vector<FrameRecord> records = Frames(file);
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(U32(file, 0), file.size());
    EXPECT_EQ(U16(file, 4), flic::kMagicFlc);
    EXPECT_EQ(U16(file, 6), 3);
    EXPECT_EQ(U16(file, 8), 20);
    EXPECT_EQ(U16(file, 10), 10);
    EXPECT_EQ(U16(file, 12), 8);
    EXPECT_EQ(U32(file, 16), 30u);
    EXPECT_EQ(U32(file, 80), records[0].offset);
    EXPECT_EQ(U32(file, 84), records[1].offset);
}

TEST(FlicWriterLayout, FliHeaderStoresTicksAndNoFrameOffsets) {
    flic::WriterOptions options = Options(flic::Format::Fli, 8, 8);
    Bytes file = Encode(options, {Filled(8, 8, 1)});
    EXPECT_EQ(U16(file, 4), flic::kMagicFli);
    EXPECT_EQ(U32(file, 16), 2u); // 30 ms is 2.1 ticks of 1/70 s
    EXPECT_EQ(U32(file, 80), 0u);
    EXPECT_EQ(U32(file, 84), 0u);
    options.frameMs = 100;
    EXPECT_EQ(flic::FlicWriter::SpeedField(options), 7u);
    options.frameMs = 1;
    EXPECT_EQ(flic::FlicWriter::SpeedField(options), 1u) << "never a speed of 0";
}

TEST(FlicWriterLayout, OneFrameHasAnEmptyRingFrameThatResumesAtItself) {
    Bytes file = Encode(Options(flic::Format::Flc, 16, 16), {Noise(16, 16, 1)});
    std::vector<FrameRecord> records = Frames(file);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_TRUE(records[1].chunks.empty());
    EXPECT_EQ(U32(file, 84), records[1].offset);
}

TEST(FlicWriterChoice, PicksTheSmallestPictureChunkPerFrame) {
    const int w = 64, h = 32;
    Frame stripe = Filled(w, h, 9);
    Frame moved = stripe;
    moved[5 * w + 7] = 1;
    std::vector<Frame> frames = {stripe, moved, moved, Noise(w, h, 7), Filled(w, h, 0)};
    for (flic::Format format : {flic::Format::Flc, flic::Format::Fli}) {
        std::vector<FrameRecord> records = Frames(Encode(Options(format, w, h), frames));
        uint16_t delta = format == flic::Format::Flc ? flic::kDeltaFlc : flic::kDeltaFli;
        uint16_t colours = format == flic::Format::Flc ? flic::kColour256 : flic::kColour64;
        EXPECT_EQ(Types(records[0]), (std::vector<uint16_t>{colours, flic::kByteRun}));
        EXPECT_EQ(Types(records[1]), (std::vector<uint16_t>{delta}));
        EXPECT_TRUE(records[2].chunks.empty()) << "an unchanged frame has no chunks";
        EXPECT_EQ(Types(records[3]), (std::vector<uint16_t>{flic::kFliCopy}));
        EXPECT_EQ(Types(records[4]), (std::vector<uint16_t>{flic::kBlack}));
        EXPECT_EQ(records[4].chunks[0].size, 6u);
    }
}

TEST(FlicWriterChoice, AlwaysDeltaKeepsLaterFramesAsDeltas) {
    flic::WriterOptions options = Options(flic::Format::Flc, 32, 32);
    options.alwaysDelta = true;
    std::vector<Frame> frames = {Noise(32, 32, 1), Noise(32, 32, 2)};
    std::vector<FrameRecord> records = Frames(Encode(options, frames));
    EXPECT_EQ(Types(records[1]), (std::vector<uint16_t>{flic::kDeltaFlc}));
    EXPECT_EQ(Types(records[2]), (std::vector<uint16_t>{flic::kDeltaFlc})) << "ring frame";
    ExpectRoundTrip(options, frames);
}

TEST(FlicWriterChoice, PaletteChangesCarryOnlyTheChangedEntries) {
    flic::Palette first = Greys(), second = Greys();
    second[3] = {1, 2, 3};
    second[200] = {4, 5, 6};
    second[201] = {7, 8, 9};
    Frame still = Filled(8, 8, 1);
    Bytes file = Encode(Options(flic::Format::Flc, 8, 8), {still, still}, {first, second});
    std::vector<FrameRecord> records = Frames(file);
    ASSERT_EQ(Types(records[1]), (std::vector<uint16_t>{flic::kColour256}));
    size_t data = records[1].offset + flic::kFrameHeaderSize + flic::kChunkHeaderSize;
    EXPECT_EQ(U16(file, data), 2) << "two packets";
    EXPECT_EQ(file[data + 2], 3) << "skip to entry 3";
    EXPECT_EQ(file[data + 3], 1);
    EXPECT_EQ(file[data + 7], 200 - 4) << "skip from entry 4 to 200";
    EXPECT_EQ(file[data + 8], 2);
    // 6-bit components: a change below the low two bits is no change for FLI.
    second = first;
    second[9].r |= 1;
    Bytes fli = Encode(Options(flic::Format::Fli, 8, 8), {still, still}, {first, second});
    EXPECT_TRUE(Frames(fli)[1].chunks.empty());
}

// Packets of count 0 in a DELTA_FLI chunk: readers disagree on whether such a packet takes
// a byte, so the encoder must never write one.
int ZeroCountDeltaFliPackets(const Bytes& file) {
    int zeros = 0;
    for (const FrameRecord& frame : Frames(file)) {
        size_t chunk = frame.offset + flic::kFrameHeaderSize;
        for (const ChunkRecord& c : frame.chunks) {
            if (c.type == flic::kDeltaFli) {
                size_t at = chunk + flic::kChunkHeaderSize + 2;
                int lines = int16_t(U16(file, at));
                at += 2;
                for (int line = 0; line < lines; ++line)
                    for (int packets = file[at++]; packets > 0; --packets) {
                        int8_t count = int8_t(file[at + 1]);
                        zeros += count == 0;
                        at += 2 + (count > 0 ? count : 1);
                    }
            }
            chunk += c.size;
        }
    }
    return zeros;
}

TEST(FlicWriterPackets, LongSkipsAndRunsDecodeExactly) {
    const int w = 700, h = 3; // column skips beyond one byte, runs beyond 127
    Frame base = Filled(w, h, 0);
    Frame far = base, run = base;
    far[w - 3] = 5, far[2 * w + 640] = 6, far[2 * w + 641] = 7;
    for (int x = 100; x < 600; ++x)
        run[w + x] = 8;
    for (flic::Format format : {flic::Format::Flc, flic::Format::Fli}) {
        flic::WriterOptions options = Options(format, w, h);
        options.alwaysDelta = true;
        ExpectRoundTrip(options, {base, far, run, far});
        if (format == flic::Format::Fli) {
            EXPECT_EQ(ZeroCountDeltaFliPackets(Encode(options, {base, far, run, far})), 0);
        }
    }
}

TEST(FlicWriterPackets, OddWidthsChangeTheirLastColumn) {
    const int w = 9, h = 4;
    Frame a = Noise(w, h, 3), b = a, c = a;
    b[w - 1] ^= 0x55;         // only the last column of row 0
    c[2 * w + w - 1] ^= 0x11; // and of row 2, with a pair change before it
    c[2 * w + 2] ^= 0x22;
    for (flic::Format format : {flic::Format::Flc, flic::Format::Fli}) {
        flic::WriterOptions options = Options(format, w, h);
        options.alwaysDelta = true;
        ExpectRoundTrip(options, {a, b, c});
    }
}

TEST(FlicWriterPackets, RowsTooBusyForDeltaFliFallBackToWholePictures) {
    const int w = 1200, h = 2; // a change every fourth pixel: 300 packets in a row
    Frame a = Filled(w, h, 1), b = a;
    for (int x = 0; x < w; x += 4)
        b[x] = 2;
    flic::WriterOptions options = Options(flic::Format::Fli, w, h);
    options.alwaysDelta = true;
    Bytes file = Encode(options, {a, b});
    EXPECT_NE(Types(Frames(file)[1]), (std::vector<uint16_t>{flic::kDeltaFli}));
    ExpectRoundTrip(options, {a, b});
}

} // namespace
