#include "tools/flic/DeltaFlcEncoder.h"

#include <algorithm>
#include <cstring>

#include "tools/flic/LinePackets.h"

namespace flic {
namespace {

// A skip word holds at most 16384 rows (its bits 15 and 14 must both be set).
constexpr int kMaxRowSkip = 16384;
// Column skips count pixels in one byte; pairs must stay aligned.
constexpr int kMaxSkipPairs = 127;

void WriteRowSkip(int rows, ByteSink& out) {
    for (; rows > 0; rows -= kMaxRowSkip)
        out.U16(static_cast<uint16_t>(-std::min(rows, kMaxRowSkip)));
}

void WritePackets(const std::vector<LinePacket>& packets, const uint8_t* row, ByteSink& out) {
    out.U16(static_cast<uint16_t>(packets.size()));
    for (const LinePacket& p : packets) {
        out.U8(static_cast<uint8_t>(p.skip * 2));
        out.U8(static_cast<uint8_t>(p.run ? -p.count : p.count));
        out.Append(row + p.start * 2, p.run ? 2 : p.count * 2);
    }
}

} // namespace

void EncodeDeltaFlc(const uint8_t* previous, const uint8_t* current, int width, int height,
                    ByteSink& out) {
    size_t linesAt = out.Size();
    out.U16(0);
    int lines = 0;
    int pendingSkip = 0;
    bool odd = width % 2 != 0;
    for (int y = 0; y < height; ++y) {
        const uint8_t* prevRow = previous + static_cast<size_t>(y) * width;
        const uint8_t* curRow = current + static_cast<size_t>(y) * width;
        bool lastChanged = odd && prevRow[width - 1] != curRow[width - 1];
        if (!lastChanged && std::memcmp(prevRow, curRow, width - (odd ? 1 : 0)) == 0) {
            ++pendingSkip;
            continue;
        }
        WriteRowSkip(pendingSkip, out);
        pendingSkip = 0;
        if (lastChanged) out.U16(static_cast<uint16_t>(0x8000 | curRow[width - 1]));
        WritePackets(PacketizeLine({prevRow, curRow, width / 2, 2, kMaxSkipPairs}), curRow, out);
        ++lines;
    }
    out.PatchU16(linesAt, static_cast<uint16_t>(lines));
}

} // namespace flic
