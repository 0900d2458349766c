#include "tools/flic/ColourChunkEncoder.h"

namespace flic {
namespace {

Rgb Stored(Rgb colour, ColourDepth depth) {
    if (depth == ColourDepth::Bits8) return colour;
    return {static_cast<uint8_t>(colour.r >> 2), static_cast<uint8_t>(colour.g >> 2),
            static_cast<uint8_t>(colour.b >> 2)};
}

bool Differs(const Palette* previous, const Palette& current, int i, ColourDepth depth) {
    return !previous || Stored((*previous)[i], depth) != Stored(current[i], depth);
}

} // namespace

bool EncodeColourChunk(const Palette* previous, const Palette& current, ColourDepth depth,
                       ByteSink& out) {
    ByteSink packets;
    int packetCount = 0;
    int index = 0;
    for (int i = 0; i < 256;) {
        if (!Differs(previous, current, i, depth)) {
            ++i;
            continue;
        }
        int end = i;
        while (end < 256 && Differs(previous, current, end, depth))
            ++end;
        packets.U8(static_cast<uint8_t>(i - index));
        packets.U8(static_cast<uint8_t>(end - i)); // 256 wraps to 0, which means 256
        for (int k = i; k < end; ++k) {
            Rgb c = Stored(current[k], depth);
            packets.U8(c.r);
            packets.U8(c.g);
            packets.U8(c.b);
        }
        ++packetCount;
        index = i = end;
    }
    if (packetCount == 0) return false;
    out.U16(static_cast<uint16_t>(packetCount));
    out.Append(packets.Bytes());
    return true;
}

} // namespace flic
