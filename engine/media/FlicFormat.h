// Numbers of the FLIC file format, shared by the engine's decoders and the tools' encoders.
#pragma once

#include <cstdint>

namespace flic {

constexpr uint16_t kMagicFli = 0xAF11;
constexpr uint16_t kMagicFlc = 0xAF12;
constexpr uint16_t kFrameType = 0xF1FA;
constexpr int kHeaderSize = 128;
constexpr int kFrameHeaderSize = 16;
constexpr int kChunkHeaderSize = 6;

enum ChunkType : uint16_t {
    kColour256 = 4,
    kDeltaFlc = 7,
    kColour64 = 11,
    kDeltaFli = 12,
    kBlack = 13,
    kByteRun = 15,
    kFliCopy = 16,
    kStamp = 18,
};

} // namespace flic
