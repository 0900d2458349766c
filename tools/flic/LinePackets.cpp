#include "tools/flic/LinePackets.h"

#include <algorithm>
#include <cstring>

namespace flic {
namespace {

constexpr int kMaxCount = 127;
constexpr int kMinRun = 3;

class LineScanner {
public:
    explicit LineScanner(const LineUnits& line) : line_(line) {}

    bool Changed(int unit) const {
        return std::memcmp(Cur(unit), Prev(unit), line_.unitBytes) != 0;
    }
    int NextChanged(int from) const {
        while (from < line_.units && !Changed(from))
            ++from;
        return from;
    }
    // Identical units from `from` that end on a changed one: unchanged tails are not rewritten.
    int RunLength(int from) const {
        int last = from;
        int limit = std::min(line_.units, from + kMaxCount);
        for (int u = from + 1; u < limit && Same(u, from); ++u)
            if (Changed(u)) last = u;
        return last - from + 1;
    }
    // Literal units from `from`; short unchanged gaps are cheaper inside than as a new packet.
    int LiteralLength(int from) const {
        int end = from + 1;
        int limit = std::min(line_.units, from + kMaxCount);
        while (end < limit) {
            if (Changed(end)) {
                if (RunLength(end) >= kMinRun) break;
                ++end;
                continue;
            }
            int gap = NextChanged(end) - end;
            if (gap * line_.unitBytes >= 2 || end + gap >= limit) break;
            end += gap;
        }
        return end - from;
    }
    const LineUnits& Line() const { return line_; }

private:
    const uint8_t* Cur(int unit) const { return line_.current + unit * line_.unitBytes; }
    const uint8_t* Prev(int unit) const { return line_.previous + unit * line_.unitBytes; }
    bool Same(int a, int b) const { return std::memcmp(Cur(a), Cur(b), line_.unitBytes) == 0; }

    LineUnits line_;
};

} // namespace

std::vector<LinePacket> PacketizeLine(const LineUnits& line) {
    LineScanner scan(line);
    std::vector<LinePacket> packets;
    int column = 0;
    for (int next = scan.NextChanged(0); next < line.units; next = scan.NextChanged(column)) {
        // Skips too long for one packet go on through a one-unit literal of an unchanged
        // unit: decoders disagree about what a packet of count 0 takes from the data.
        for (; next - column > line.maxSkip; column += line.maxSkip + 1)
            packets.push_back({line.maxSkip, column + line.maxSkip, 1, false});
        LinePacket packet{next - column, next, scan.RunLength(next), true};
        if (packet.count < kMinRun) packet = {next - column, next, scan.LiteralLength(next), false};
        packets.push_back(packet);
        column = next + packet.count;
    }
    return packets;
}

} // namespace flic
