#include "tools/flic/ByteRunEncoder.h"

#include <algorithm>

namespace flic {
namespace {

constexpr int kMaxPacket = 127;
// A run shorter than this costs more than leaving its bytes in a literal.
constexpr int kMinRun = 3;

int RunLength(const uint8_t* row, int from, int width) {
    int end = from + 1;
    int limit = std::min(width, from + kMaxPacket);
    while (end < limit && row[end] == row[from])
        ++end;
    return end - from;
}

// Literal bytes from `from` (where no worthwhile run starts) until one starts or the packet
// is full.
int LiteralLength(const uint8_t* row, int from, int width) {
    int end = from + 1;
    while (end < width && end - from < kMaxPacket && RunLength(row, end, width) < kMinRun)
        ++end;
    return end - from;
}

void EncodeRow(const uint8_t* row, int width, ByteSink& out) {
    size_t countAt = out.Size();
    out.U8(0);
    int packets = 0;
    for (int x = 0; x < width; ++packets) {
        int run = RunLength(row, x, width);
        if (run >= kMinRun) {
            out.U8(static_cast<uint8_t>(run));
            out.U8(row[x]);
            x += run;
            continue;
        }
        int literal = LiteralLength(row, x, width);
        out.U8(static_cast<uint8_t>(-literal));
        out.Append(row + x, literal);
        x += literal;
    }
    // Readers take rows by width; the count is informative and saturates.
    out.PatchU8(countAt, static_cast<uint8_t>(std::min(packets, 255)));
}

} // namespace

void EncodeByteRun(const uint8_t* pixels, int width, int height, ByteSink& out) {
    for (int y = 0; y < height; ++y)
        EncodeRow(pixels + static_cast<size_t>(y) * width, width, out);
}

} // namespace flic
