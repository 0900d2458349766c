#include "tools/flic/DeltaFliEncoder.h"

#include <cstring>

#include "tools/flic/LinePackets.h"

namespace flic {
namespace {

constexpr int kMaxSkip = 255;
constexpr size_t kMaxPackets = 255;

bool RowEqual(const uint8_t* a, const uint8_t* b, int y, int width) {
    size_t offset = static_cast<size_t>(y) * width;
    return std::memcmp(a + offset, b + offset, width) == 0;
}

bool WriteRow(const uint8_t* prevRow, const uint8_t* curRow, int width, ByteSink& out) {
    std::vector<LinePacket> packets = PacketizeLine({prevRow, curRow, width, 1, kMaxSkip});
    if (packets.size() > kMaxPackets) return false;
    out.U8(static_cast<uint8_t>(packets.size()));
    for (const LinePacket& p : packets) {
        out.U8(static_cast<uint8_t>(p.skip));
        out.U8(static_cast<uint8_t>(p.run ? -p.count : p.count));
        out.Append(curRow + p.start, p.run ? 1 : p.count);
    }
    return true;
}

} // namespace

bool EncodeDeltaFli(const uint8_t* previous, const uint8_t* current, int width, int height,
                    ByteSink& out) {
    int first = 0;
    while (first < height && RowEqual(previous, current, first, width))
        ++first;
    int last = height - 1;
    while (last >= first && RowEqual(previous, current, last, width))
        --last;
    ByteSink chunk;
    chunk.U16(static_cast<uint16_t>(first));
    chunk.U16(static_cast<uint16_t>(last - first + 1));
    for (int y = first; y <= last; ++y) {
        size_t offset = static_cast<size_t>(y) * width;
        if (!WriteRow(previous + offset, current + offset, width, chunk)) return false;
    }
    out.Append(chunk.Bytes());
    return true;
}

} // namespace flic
