// Blocks from the bottom-left, left to right, then upwards; pixel i of a block is row i / 4
// from its bottom, column i % 4, and mask bit i set picks the first colour of its pair.
#include "tools/avi/Video1Encoder.h"

#include <algorithm>
#include <array>

namespace avi {
namespace {

constexpr int kLongestSkip = 0x3FF;

using Block = std::array<uint8_t, 16>;

Block ReadBlock(const Frame8& frame, int left, int bottom) {
    Block block;
    for (int i = 0; i < 16; ++i)
        block[size_t(i)] = frame.At(left + i % 4, bottom + i / 4);
    return block;
}

int Quarter(int i) {
    return (i / 4 & 2) + (i % 4 >> 1);
}

int Distance(const Colour& a, const Colour& b) {
    int r = a.red - b.red, g = a.green - b.green, bl = a.blue - b.blue;
    return r * r + g * g + bl * bl;
}

// The quarter's two commonest colours; when given, the colour of pixel `mustBeFirst` comes
// first, taking the place of the second commonest if it is neither.
std::array<uint8_t, 2> QuarterColours(const Block& block, int quarter, int mustBeFirst) {
    std::array<int, 256> counts{};
    for (int i = 0; i < 16; ++i)
        if (Quarter(i) == quarter) ++counts[block[size_t(i)]];
    std::array<uint8_t, 2> best{};
    for (int slot = 0; slot < 2; ++slot) {
        int top = -1;
        for (int c = 0; c < 256; ++c)
            if (counts[size_t(c)] > 0 && (top < 0 || counts[size_t(c)] > counts[size_t(top)]))
                top = c;
        best[size_t(slot)] = top < 0 ? best[0] : uint8_t(top);
        if (top >= 0) counts[size_t(top)] = 0;
    }
    if (mustBeFirst < 0 || best[0] == block[size_t(mustBeFirst)]) return best;
    if (best[1] != block[size_t(mustBeFirst)]) best[1] = block[size_t(mustBeFirst)];
    std::swap(best[0], best[1]);
    return best;
}

// Exact colours first: two indices may share a palette colour.
bool PicksFirst(uint8_t index, const std::array<uint8_t, 2>& pair, const Colour* palette) {
    if (index == pair[0] || index == pair[1]) return index == pair[0];
    return Distance(palette[index], palette[pair[0]]) <= Distance(palette[index], palette[pair[1]]);
}

struct Video1Sink {
    std::vector<uint8_t>& out;
    int pendingSkips = 0;

    void Word(unsigned value) {
        out.push_back(uint8_t(value & 0xFF));
        out.push_back(uint8_t(value >> 8));
    }
    void FlushSkips() {
        if (pendingSkips > 0) Word(0x8400u + unsigned(pendingSkips));
        pendingSkips = 0;
    }
    void Skip() {
        if (++pendingSkips == kLongestSkip) FlushSkips();
    }
};

// Codes a block whose colours all belong to `pairs` (pair p for quarter p, or pair 0 for all).
void CodeMasked(Video1Sink& sink, const Block& block, const Colour* palette,
                const std::array<std::array<uint8_t, 2>, 4>& pairs, bool quarters) {
    unsigned mask = 0;
    for (int i = 0; i < 16; ++i) {
        const auto& pair = pairs[size_t(quarters ? Quarter(i) : 0)];
        if (PicksFirst(block[size_t(i)], pair, palette)) mask |= 1u << i;
    }
    sink.Word(mask);
    for (int p = 0; p < (quarters ? 4 : 1); ++p) {
        sink.out.push_back(pairs[size_t(p)][0]);
        sink.out.push_back(pairs[size_t(p)][1]);
    }
}

void CodeBlock(Video1Sink& sink, const Block& block, const Colour* palette) {
    std::array<uint8_t, 16> sorted = block;
    std::sort(sorted.begin(), sorted.end());
    size_t distinct = size_t(std::unique(sorted.begin(), sorted.end()) - sorted.begin());
    if (distinct == 1) {
        sink.Word(0x8000u | block[0]);
    } else if (distinct == 2) {
        // The top-right pixel (bit 15) takes the second colour, so the mask stays below
        // 0x8000, which marks a two-colour block.
        uint8_t second = block[15], first = block[15] == sorted[0] ? sorted[1] : sorted[0];
        CodeMasked(sink, block, palette, {{{first, second}}}, false);
    } else {
        // The top-left (bit 12) and top-right (bit 15) pixels take the first colours of their
        // quarters, so the mask's high byte is 0x90 or more, which marks eight colours.
        CodeMasked(sink, block, palette,
                   {QuarterColours(block, 0, -1), QuarterColours(block, 1, -1),
                    QuarterColours(block, 2, 12), QuarterColours(block, 3, 15)},
                   true);
    }
}

} // namespace

std::vector<uint8_t> EncodeVideo1(const Frame8& frame, const Colour* palette,
                                  const Frame8* previous) {
    std::vector<uint8_t> out;
    Video1Sink sink{out};
    for (int bottom = 0; bottom + 4 <= frame.height; bottom += 4) {
        for (int left = 0; left + 4 <= frame.width; left += 4) {
            Block block = ReadBlock(frame, left, bottom);
            if (previous && block == ReadBlock(*previous, left, bottom)) {
                sink.Skip();
                continue;
            }
            sink.FlushSkips();
            CodeBlock(sink, block, palette);
        }
    }
    sink.FlushSkips();
    return out;
}

} // namespace avi
