// A sprite-image description read into a composite image, in a folder holding two small
// FLIC files to cut from (a.flc: three frames, b.fli: one) and one file of each other kind
// the factory opens (c.bmp RLE8, d.pcx, e.dcx, f.avi Video 1), then the cells walked and drawn.
// Nothing may stay allocated once the image is gone.
#include "engine/gfx/mBitmap.h"
#include "engine/media/mImageBitmap.h"
#include "platform/testing/memory.h"
#include "platform/testing/message_boxes.h"
#include "tests/engine/media/FlicBytes.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

void CopyTestFile(const char* from, const char* to) {
    const std::string data = std::string(LUMARIS_SOURCE_DIR "/tests/engine/media/data/") + from;
    std::ifstream in(data, std::ios::binary);
    Check(bool(in));
    std::ofstream(to, std::ios::binary) << in.rdbuf();
}

void Write(const char* name, const flictest::Bytes& bytes) {
    std::ofstream(name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// Frames that each set a few pixels of a 16 x 8 picture, and a ring frame.
flictest::Bytes Animation(unsigned magic, unsigned frames) {
    using namespace flictest;
    FileFields fields;
    fields.magic = magic;
    fields.frames = frames;
    fields.width = 16;
    fields.height = 8;
    Bytes file = File(fields, {});
    for (unsigned i = 0; i <= frames; ++i) {
        const Bytes lines{BYTE(i), 0, 1, 0, 1, BYTE(i), 2, BYTE(i + 1), BYTE(i + 2)};
        Append(file, Frame({SubChunk(12, lines)}));
    }
    return file;
}

void Exercise(mImageBitmap& composite, mBitmap& target) {
    composite.SetTarget(&target);
    composite.SetTransparent(TRUE);
    const LONG cells = composite.formatInfo->frameCount;
    for (LONG i = 0; i < cells + 2 && i < 40; ++i) {
        composite.SeekFrame(i % 3 ? i : -i, i % 3);
        RECT clip{-5, 3, 50, 60};
        composite.Draw(LONG(i * 5) - 20, -LONG(i * 3), i % 2 ? &clip : nullptr);
    }
    composite.SetRemap(TRUE);
    composite.RemapColours();
    composite.Draw(0, 0, nullptr);
    composite.SetTarget(nullptr);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    char folder[] = "/tmp/lumaris-description-XXXXXX";
    Check(mkdtemp(folder) && chdir(folder) == 0);
    Write("a.flc", Animation(0xAF12, 3));
    Write("b.fli", Animation(0xAF11, 1));
    CopyTestFile("pictures/bmp_rle8.bmp", "c.bmp");
    CopyTestFile("pictures/pcx_8bit.pcx", "d.pcx");
    CopyTestFile("pictures/pages.dcx", "e.dcx");
    CopyTestFile("movies/video1.avi", "f.avi");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const size_t before = platform::testing::LiveGlobalBlocks();
    std::vector<char> text(data, data + size); // the scanner writes into the text
    {
        mBitmap target(48, 32, 8);
        mImageBitmap composite;
        mFile stream;
        stream.OpenMemory(text.data(), LONG(text.size()));
        composite.ParseDescription(&stream);
        stream.Close();
        Exercise(composite, target);
    }
    Check(platform::testing::LiveGlobalBlocks() == before);
    platform::testing::ClearMessageBoxes(); // reports are recorded; keep memory flat
    return 0;
}
