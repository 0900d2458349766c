// The wave-out volume applied on the way to SDL: full volume leaves samples alone, each side
// is scaled by its own word, 8-bit samples around their midpoint.
#include <gtest/gtest.h>

#include <cstdint>

#include "platform/drivers/audio/sdl/volume.h"

namespace {

TEST(SdlVolume, FullVolumeLeavesSamplesAndLowersTheSidesApart) {
    BYTE eight[4] = {0, 128, 255, 64};
    platform::ScaleVolume(eight, 4, true, 1, 0xFFFFFFFF);
    EXPECT_EQ(eight[0], 0);
    EXPECT_EQ(eight[2], 255);
    platform::ScaleVolume(eight, 4, true, 2, 0x00007FFF); // left half, right silent
    EXPECT_EQ(eight[0], 64);
    EXPECT_EQ(eight[1], 128);
    EXPECT_EQ(eight[2], 191);
    EXPECT_EQ(eight[3], 128);
    int16_t sixteen[2] = {-32768, 32767};
    platform::ScaleVolume(reinterpret_cast<BYTE*>(sixteen), 4, false, 1, 0x7FFF7FFF);
    EXPECT_EQ(sixteen[0], -16384);
    EXPECT_EQ(sixteen[1], 16383);
}

} // namespace
