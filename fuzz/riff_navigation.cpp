// RIFF navigation over arbitrary bytes. The first byte picks the source (a memory block of
// exactly the data's size, or a file read through small buffers so that headers straddle
// buffer ends); the next eight bytes are a program of navigation steps; the rest is the data.
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <unistd.h>

#include "engine/media/mFile.h"
#include "platform/testing/message_boxes.h"

namespace {

constexpr size_t kProgramLength = 8;

const FOURCC kIds[] = {mmioFOURCC('d', 'a', 't', 'a'), mmioFOURCC('f', 'm', 't', ' '),
                       mmioFOURCC('L', 'I', 'S', 'T'), mmioFOURCC('m', 'o', 'v', 'i'),
                       mmioFOURCC('h', 'd', 'r', 'l'), mmioFOURCC('W', 'A', 'V', 'E'),
                       mmioFOURCC('A', 'V', 'I', ' '), mmioFOURCC('I', 'N', 'F', 'O')};

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

void CheckInvariants(const StreamState* s) {
    Check(s->bufferStart <= s->current && s->current <= s->dataEnd);
    Check(s->dataEnd <= s->bufferEnd);
    Check(s->chunkDepth >= 0 && s->chunkDepth < kMaxChunkLevels);
}

void Step(mFile& stream, uint8_t code) {
    FOURCC id = kIds[(code >> 3) % (sizeof kIds / sizeof kIds[0])];
    switch (code & 7) {
    case 0:
    case 1:
        stream.FindChunk(id);
        break;
    case 2:
    case 3:
        stream.DescendList(id);
        break;
    case 4:
        stream.SkipChunk();
        break;
    case 5:
        stream.Ascend();
        break;
    case 6:
        stream.SkipToChunkEnd();
        break;
    default:
        stream.Require(code >> 3);
        break;
    }
}

const std::string& ScratchFile() {
    static const std::string path = "/tmp/fuzz_riff_" + std::to_string(getpid()) + ".bin";
    return path;
}

bool OpenSource(mFile& stream, bool fromFile, const uint8_t* data, size_t size,
                std::unique_ptr<BYTE[]>& block) {
    if (!fromFile) {
        block.reset(new BYTE[size ? size : 1]);
        std::memcpy(block.get(), data, size);
        return stream.OpenMemory(block.get(), LONG(size)) == 1;
    }
    FILE* file = std::fopen(ScratchFile().c_str(), "wb");
    if (!file) return false;
    std::fwrite(data, 1, size, file);
    std::fclose(file);
    stream.SetBufferSizes(64, 16);
    return stream.Open(ScratchFile().c_str(), 0) == 1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1 + kProgramLength) return 0;
    bool fromFile = data[0] & 1;
    const uint8_t* program = data + 1;
    std::unique_ptr<BYTE[]> block;
    mFile stream;
    if (!OpenSource(stream, fromFile, program + kProgramLength, size - 1 - kProgramLength, block))
        return 0;
    FOURCC form = kIds[(data[0] >> 1) % (sizeof kIds / sizeof kIds[0])];
    if (stream.DescendRiff(form) || (data[0] & 0x80)) {
        for (size_t i = 0; i < kProgramLength; ++i) {
            Step(stream, program[i]);
            CheckInvariants(stream.State());
        }
    }
    stream.Close();
    platform::testing::ClearMessageBoxes(); // reports are recorded; keep memory flat
    return 0;
}
