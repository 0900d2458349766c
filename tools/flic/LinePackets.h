// Splits the changes of one row into line-delta packets (column skip, then a literal or a
// run), shared by DELTA_FLC (units of two pixels) and DELTA_FLI (units of one pixel).
#pragma once

#include <vector>

#include <cstdint>

namespace flic {

struct LinePacket {
    int skip = 0;  // units from the end of the previous packet
    int start = 0; // first unit written
    int count = 0; // units written, at least 1
    bool run = false;
};

struct LineUnits {
    const uint8_t* previous;
    const uint8_t* current;
    int units;     // units in the row
    int unitBytes; // 1 or 2
    int maxSkip;   // largest skip one packet can hold, in units
};

std::vector<LinePacket> PacketizeLine(const LineUnits& line);

} // namespace flic
