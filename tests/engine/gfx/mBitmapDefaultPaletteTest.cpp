#include "BitmapTestSupport.h"

#include "platform/testing/resources.h"

#include <cstring>
#include <vector>

namespace {

void Append32(std::vector<BYTE>& bytes, DWORD value) {
    for (int i = 0; i < 4; ++i)
        bytes.push_back(BYTE(value >> (8 * i)));
}

// A RIFF "PAL " form whose "data" chunk claims `count` entries but holds only `present`.
std::vector<BYTE> PaletteFile(WORD count, int present) {
    std::vector<BYTE> data(4 + 4 * present);
    data[1] = 0x03;
    data[2] = BYTE(count);
    data[3] = BYTE(count >> 8);
    for (int i = 0; i < present; ++i) {
        data[4 + 4 * i] = BYTE(i);
        data[5 + 4 * i] = 0x40;
        data[6 + 4 * i] = 0x80;
    }
    std::vector<BYTE> bytes;
    Append32(bytes, mmioFOURCC('R', 'I', 'F', 'F'));
    Append32(bytes, DWORD(4 + 8 + data.size()));
    Append32(bytes, mmioFOURCC('P', 'A', 'L', ' '));
    Append32(bytes, mmioFOURCC('d', 'a', 't', 'a'));
    Append32(bytes, DWORD(data.size()));
    bytes.insert(bytes.end(), data.begin(), data.end());
    return bytes;
}

class DefaultPaletteTest : public BitmapTest {
protected:
    void TearDown() override {
        platform::testing::RemoveResource("PALETTE", "default");
        mObject::resourceModule = nullptr;
        BitmapTest::TearDown();
    }
    void Install(std::vector<BYTE> bytes) {
        platform::testing::AddResource("PALETTE", "default", std::move(bytes));
        mObject::resourceModule = GetModuleHandleA(nullptr);
    }
};

TEST_F(DefaultPaletteTest, ResourceEntriesReplaceTheBuiltInOnes) {
    Install(PaletteFile(3, 3));
    mBitmap bitmap(4, 4, 8);
    EXPECT_TRUE(SameRgb(bitmap.info->colours[2], Rgb(2, 0x40, 0x80)));
    EXPECT_TRUE(SameRgb(bitmap.info->colours[3], Rgb(0xBF, 0xBF, 0))); // built-in
}

// A count beyond the data must not read past the resource; the rest stays built-in.
TEST_F(DefaultPaletteTest, ShortResourceReadsOnlyWhatItHolds) {
    Install(PaletteFile(256, 2));
    mBitmap bitmap(4, 4, 8);
    EXPECT_TRUE(SameRgb(bitmap.info->colours[1], Rgb(1, 0x40, 0x80)));
    EXPECT_TRUE(SameRgb(bitmap.info->colours[2], Rgb(0, 0xBF, 0)));
    EXPECT_TRUE(SameRgb(bitmap.info->colours[255], Rgb(255, 255, 255)));
}

TEST_F(DefaultPaletteTest, OtherFormTypeKeepsTheBuiltInTable) {
    std::vector<BYTE> bytes = PaletteFile(3, 3);
    std::memcpy(&bytes[8], "WAVE", 4);
    Install(bytes);
    mBitmap bitmap(4, 4, 8);
    EXPECT_TRUE(SameRgb(bitmap.info->colours[2], Rgb(0, 0xBF, 0)));
}

} // namespace
