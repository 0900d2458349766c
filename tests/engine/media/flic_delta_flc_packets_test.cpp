// SS2 lines long enough for the block-written packets: every short length of literal and
// run, at odd and even columns, right up to the row's end, compared with the packets applied
// one byte at a time, so a block that spills past its packet shows.
#include "engine/media/FlicDecoders.h"
#include "engine/media/mFile.h"
#include "tests/engine/media/FlicBytes.h"

#include <gtest/gtest.h>

#include <vector>

using flictest::Bytes;
using flictest::Put16;

namespace {

constexpr LONG width = 40;
constexpr LONG height = 24;

struct Packet {
    BYTE skip;
    signed char count;
};

class FlcPackets {
public:
    FlcPackets() : expected(size_t(width * height)) {
        for (size_t i = 0; i < expected.size(); ++i)
            expected[i] = BYTE(i * 7 + 3);
        before = expected;
        Put16(chunk, height);
    }

    // One line of packets; literal bytes count up from a per-line seed.
    void AddLine(LONG row, const std::vector<Packet>& packets) {
        Put16(chunk, WORD(packets.size()));
        LONG column = 0;
        BYTE value = BYTE(row * 31);
        for (const Packet& packet : packets) {
            chunk.insert(chunk.end(), {packet.skip, BYTE(packet.count)});
            column += packet.skip;
            LONG pairs = packet.count < 0 ? -packet.count : packet.count;
            BYTE first = value++, second = value++;
            if (packet.count < 0) chunk.insert(chunk.end(), {first, second});
            for (LONG i = 0; i < 2 * pairs; ++i) {
                BYTE pixel = packet.count < 0 ? (i % 2 ? second : first) : value++;
                if (packet.count >= 0) chunk.push_back(pixel);
                expected[size_t(row * width + column++)] = pixel;
            }
        }
    }

    std::vector<BYTE> Decode(const Bytes& data) const {
        std::vector<BYTE> pixels = before;
        Bytes bytes = data;
        mFile stream;
        stream.OpenMemory(bytes.data(), LONG(bytes.size()));
        FlicCanvas frame{pixels.data(), width, width, height};
        RECT changed{width, height, 0, 0};
        {
            FlicReader in(stream);
            DecodeFlicDeltaFlc(in, frame, changed);
        }
        stream.Close();
        return pixels;
    }

    Bytes chunk;
    std::vector<BYTE> before, expected;
};

// Packets of 0 to 9 pairs, literal and run, at every start parity, packed to the row's end.
std::vector<Packet> LineOfLengths(LONG row) {
    std::vector<Packet> packets;
    LONG column = 0;
    for (int i = 0;; ++i) {
        auto pairs = static_cast<signed char>((row + i) % 10);
        bool run = (row + i) % 3 == 0 && pairs > 0;
        BYTE skip = BYTE((row + i) % 2);
        if (column + skip + 2 * pairs > width) break;
        packets.push_back(Packet{skip, static_cast<signed char>(run ? -pairs : pairs)});
        column += skip + 2 * pairs;
    }
    return packets;
}

// The chunk is longer than a largest packet, so its last lines go through the checked reads.
TEST(FlcPackets, EveryShortLengthMatchesBytewiseDecodingAndKeepsWhatFollows) {
    FlcPackets lines;
    for (LONG row = 0; row < height; ++row)
        lines.AddLine(row, LineOfLengths(row));
    EXPECT_EQ(lines.Decode(lines.chunk), lines.expected);
}

} // namespace
