// Rows from the bottom, as the format stores them.
#include "tools/avi/Rle8Encoder.h"

#include <algorithm>

namespace avi {
namespace {

// Unchanged pixels shorter than this between changes are coded, not jumped over.
constexpr int kShortestJump = 4;

struct RleSink {
    std::vector<uint8_t>& out;
    int x = 0, y = 0; // where the decoder stands

    void Pair(int a, int b) {
        out.push_back(uint8_t(a));
        out.push_back(uint8_t(b));
    }
    void Delta(int dx, int dy) {
        while (dx > 0 || dy > 0) {
            int stepX = std::min(dx, 255), stepY = std::min(dy, 255);
            Pair(0, 2);
            Pair(stepX, stepY);
            dx -= stepX;
            dy -= stepY;
        }
    }
    // Deltas only move right and up; a position to the left needs a line end first.
    void MoveTo(int toX, int toY) {
        if (toY > y && toX < x) {
            Pair(0, 0);
            x = 0;
            ++y;
        }
        Delta(toX - x, toY - y);
        x = toX;
        y = toY;
    }
};

int RunLength(const uint8_t* row, int from, int end) {
    int n = 1;
    while (from + n < end && n < 255 && row[from + n] == row[from])
        ++n;
    return n;
}

void Literal(RleSink& sink, const uint8_t* bytes, int count) {
    if (count < 3) { // the format's literals have at least three bytes
        for (int i = 0; i < count; ++i)
            sink.Pair(1, bytes[i]);
        return;
    }
    sink.Pair(0, count);
    sink.out.insert(sink.out.end(), bytes, bytes + count);
    if (count & 1) sink.out.push_back(0);
}

// Codes row[from, end) at the sink's position.
void Segment(RleSink& sink, const uint8_t* row, int from, int end) {
    int literalStart = from;
    int x = from;
    while (x < end) {
        int run = RunLength(row, x, end);
        bool literalFull = x - literalStart == 255;
        if (run >= 3 || literalFull) {
            Literal(sink, row + literalStart, x - literalStart);
            if (run >= 3) sink.Pair(run, row[x]);
            x += run >= 3 ? run : 0;
            literalStart = x;
            continue;
        }
        ++x;
    }
    Literal(sink, row + literalStart, x - literalStart);
    sink.x = end;
}

std::vector<uint8_t> RowFromBottom(const Frame8& frame, int y) {
    const uint8_t* row = &frame.pixels[size_t(frame.height - 1 - y) * size_t(frame.width)];
    return std::vector<uint8_t>(row, row + frame.width);
}

// The changed stretches of a row, joined across short unchanged gaps.
std::vector<std::pair<int, int>> ChangedSpans(const std::vector<uint8_t>& row,
                                              const std::vector<uint8_t>* before) {
    std::vector<std::pair<int, int>> spans;
    int width = int(row.size());
    for (int x = 0; x < width; ++x) {
        if (before && (*before)[size_t(x)] == row[size_t(x)]) continue;
        if (!spans.empty() && x - spans.back().second < kShortestJump)
            spans.back().second = x + 1;
        else
            spans.emplace_back(x, x + 1);
    }
    return spans;
}

} // namespace

std::vector<uint8_t> EncodeRle8(const Frame8& frame, const Frame8* previous) {
    std::vector<uint8_t> out;
    RleSink sink{out};
    for (int y = 0; y < frame.height; ++y) {
        std::vector<uint8_t> row = RowFromBottom(frame, y);
        std::vector<uint8_t> before;
        if (previous) before = RowFromBottom(*previous, y);
        for (auto [from, end] : ChangedSpans(row, previous ? &before : nullptr)) {
            sink.MoveTo(from, y);
            Segment(sink, row.data(), from, end);
        }
    }
    sink.Pair(0, 1);
    return out;
}

} // namespace avi
