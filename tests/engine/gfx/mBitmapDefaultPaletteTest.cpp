#include "BitmapTestSupport.h"

#include "platform/testing/resources.h"

#include <vector>

namespace {

void Append32(std::vector<BYTE>& bytes, DWORD value) {
    for (int i = 0; i < 4; ++i)
        bytes.push_back(BYTE(value >> (8 * i)));
}

// A RIFF "PAL " form whose "data" chunk claims 256 entries but holds only two.
std::vector<BYTE> ShortPaletteFile() {
    const BYTE data[] = {0x00, 0x03, 0x00, 0x01, 0x10, 0x40, 0x80, 0, 0x11, 0x41, 0x81, 0};
    std::vector<BYTE> bytes;
    Append32(bytes, mmioFOURCC('R', 'I', 'F', 'F'));
    Append32(bytes, 4 + 8 + sizeof(data));
    Append32(bytes, mmioFOURCC('P', 'A', 'L', ' '));
    Append32(bytes, mmioFOURCC('d', 'a', 't', 'a'));
    Append32(bytes, sizeof(data));
    for (const BYTE byte : data)
        bytes.push_back(byte);
    return bytes;
}

// The entries there replace the built-in ones; nothing past the data is read.
TEST_F(BitmapTest, DefaultPaletteResourceReplacesOnlyTheEntriesItHolds) {
    platform::testing::AddResource("PALETTE", "default", ShortPaletteFile());
    mObject::resourceModule = GetModuleHandleA(nullptr);
    mBitmap bitmap(4, 4, 8);
    mObject::resourceModule = nullptr;
    platform::testing::RemoveResource("PALETTE", "default");
    EXPECT_TRUE(SameRgb(bitmap.info->colours[1], Rgb(0x11, 0x41, 0x81)));
    EXPECT_TRUE(SameRgb(bitmap.info->colours[2], Rgb(0, 0xBF, 0)));
    EXPECT_TRUE(SameRgb(bitmap.info->colours[255], Rgb(255, 255, 255)));
}

} // namespace
