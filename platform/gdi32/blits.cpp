// BitBlt and StretchDIBits from 8-bit bitmaps onto windows and memory DCs. Every stretch
// mode drops (or repeats) whole rows and columns; none blends.
#include <algorithm>
#include <optional>

#include "platform/gdi32/colour_translation.h"
#include "platform/gdi32/dib_format.h"
#include "platform/gdi32/draw_target.h"
#include "platform/gdi32/pixel_copy.h"
#include "platform/gdi32/window_table_cache.h"

using namespace platform::gdi;

namespace {

// One axis of a stretch: destination [start, start + length) shows source
// [sourceStart, sourceStart + sourceLength), mirrored when flipped.
struct Axis {
    int64_t start, length, sourceStart, sourceLength;
    bool flipped;
    LONG sourceLimit;
};

Axis MakeAxis(int64_t start, int64_t length, int64_t sourceStart, int64_t sourceLength,
              LONG sourceLimit) {
    bool flipped = (length < 0) != (sourceLength < 0);
    if (length < 0) start += length, length = -length;
    if (sourceLength < 0) sourceStart += sourceLength, sourceLength = -sourceLength;
    return Axis{start, length, sourceStart, sourceLength, flipped, sourceLimit};
}

// Both lengths are below 2^32 and destination - start below length, so nothing overflows.
int64_t SourceOf(const Axis& axis, LONG destination) {
    int64_t step = (destination - axis.start) * axis.sourceLength / axis.length;
    if (axis.flipped) step = axis.sourceLength - 1 - step;
    return axis.sourceStart + step;
}

// Maps [from, to) and narrows it to where the source exists. Source positions run in one
// direction, so the valid part is contiguous.
void MapAxis(const Axis& axis, LONG& from, LONG& to, std::vector<LONG>& map) {
    LONG first = to, last = from;
    for (LONG d = from; d < to; ++d) {
        int64_t s = SourceOf(axis, d);
        if (s < 0 || s >= axis.sourceLimit) continue;
        if (first == to) first = d;
        last = d + 1;
        map.push_back(static_cast<LONG>(s));
    }
    from = first;
    to = std::max(first, last);
}

template <typename Copy>
void CopyInto(const DrawTarget& target, const DeviceContext& dc, const RGBQUAD* colours, UINT count,
              Copy copy) {
    if (target.ForWindow()) {
        WindowTable scratch;
        const WindowTable& table = WindowTableFor(dc, colours, count, &scratch);
        copy([&](LONG y) { return target.WindowRow(y); }, table);
    } else {
        IndexTable table;
        BuildIndexTable(colours, count, *target.TargetBitmap(), &table);
        copy([&](LONG y) { return target.BitmapRow(y); }, table);
    }
}

void Unscaled(const DrawTarget& target, const DeviceContext& dc, const RECT& area,
              const DibPixels& source, LONG sourceX, LONG sourceY, const RGBQUAD* colours,
              UINT count) {
    CopyInto(target, dc, colours, count, [&](auto rowOf, const auto& table) {
        CopyUnscaled(rowOf, area, source, sourceX, sourceY, table);
    });
    target.Changed(area);
}

void Scaled(const DrawTarget& target, const DeviceContext& dc, const ScaledCopy& copy,
            const DibPixels& source, const RGBQUAD* colours, UINT count) {
    CopyInto(target, dc, colours, count,
             [&](auto rowOf, const auto& table) { CopyScaled(rowOf, copy, source, table); });
    target.Changed(copy.area);
}

// A copy within one bitmap whose source and destination overlap reads its source rows from
// a snapshot, so it sees the original pixels; any other copy reads the source in place.
struct SourceSnapshot {
    std::vector<BYTE> bytes;
    DibPixels pixels;
};

std::optional<SourceSnapshot> SnapshotIfOverlapping(const Bitmap& source, const DrawTarget& target,
                                                    const RECT& area, LONG sourceX, LONG sourceY) {
    if (target.TargetBitmap() != &source) return std::nullopt;
    LONG width = area.right - area.left, height = area.bottom - area.top;
    if (IsEmpty(Intersection(area, RectOf(sourceX, sourceY, width, height)))) return std::nullopt;
    SourceSnapshot snapshot;
    size_t stride = static_cast<size_t>(source.stride);
    snapshot.bytes.resize(stride * height);
    for (LONG y = 0; y < height; ++y) {
        const BYTE* row = source.Row(sourceY + y);
        std::copy(row, row + stride, snapshot.bytes.begin() + stride * y);
    }
    // Its rows are the source's from sourceY on, stored from the top.
    snapshot.pixels = DibPixels{snapshot.bytes.data(), source.width, height, source.stride, true};
    return snapshot;
}

bool ScaledIsPlainCopy(const Axis& x, const Axis& y) {
    return x.length == x.sourceLength && y.length == y.sourceLength && !x.flipped && !y.flipped;
}

} // namespace

BOOL WINAPI BitBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
                   int sourceY, DWORD rop) {
    DeviceContext* to = AsDC(destination);
    DeviceContext* from = AsDC(source);
    if (!to || !from || from->dcKind != DcKind::Memory || rop != SRCCOPY) return FALSE;
    DrawTarget target;
    if (width <= 0 || height <= 0 || !target.Resolve(*to)) return TRUE;
    const Bitmap& bitmap = *from->bitmap;
    RECT sourceInDestination =
        RectOf(int64_t{x} - sourceX, int64_t{y} - sourceY, bitmap.width, bitmap.height);
    RECT area =
        Intersection(Intersection(RectOf(x, y, width, height), sourceInDestination), target.Clip());
    if (IsEmpty(area)) return TRUE;
    LONG fromX = area.left - sourceInDestination.left, fromY = area.top - sourceInDestination.top;
    auto snapshot = SnapshotIfOverlapping(bitmap, target, area, fromX, fromY);
    Unscaled(target, *to, area, snapshot ? snapshot->pixels : bitmap.Pixels(), fromX,
             snapshot ? 0 : fromY, bitmap.colours.data(), bitmap.colourCount);
    return TRUE;
}

int WINAPI StretchDIBits(HDC destination, int x, int y, int width, int height, int sourceX,
                         int sourceY, int sourceWidth, int sourceHeight, const VOID* bits,
                         const BITMAPINFO* info, UINT usage, DWORD rop) {
    DeviceContext* to = AsDC(destination);
    DibFormat format;
    if (!to || !bits || rop != SRCCOPY || !ReadDibFormat(info, usage, &format)) return 0;
    if (width == 0 || height == 0 || sourceWidth == 0 || sourceHeight == 0) return 0;
    DrawTarget target;
    if (!target.Resolve(*to)) return sourceHeight < 0 ? -sourceHeight : sourceHeight;

    Axis xAxis = MakeAxis(x, width, sourceX, sourceWidth, format.width);
    Axis yAxis = MakeAxis(y, height, sourceY, sourceHeight, format.height);
    // The origin of a bottom-up DIB is its lower-left corner.
    if (!format.topDown) {
        yAxis.sourceStart = format.height - yAxis.sourceStart - yAxis.sourceLength;
    }
    ScaledCopy copy;
    copy.area =
        Intersection(RectOf(xAxis.start, yAxis.start, xAxis.length, yAxis.length), target.Clip());
    if (IsEmpty(copy.area)) return static_cast<int>(yAxis.sourceLength);
    MapAxis(xAxis, copy.area.left, copy.area.right, copy.columns);
    MapAxis(yAxis, copy.area.top, copy.area.bottom, copy.rows);
    if (IsEmpty(copy.area)) return static_cast<int>(yAxis.sourceLength);

    DibPixels pixels{static_cast<const BYTE*>(bits), format.width, format.height, format.stride,
                     format.topDown};
    if (ScaledIsPlainCopy(xAxis, yAxis)) {
        Unscaled(target, *to, copy.area, pixels, copy.columns.front(), copy.rows.front(),
                 format.colours, format.colourCount);
    } else {
        Scaled(target, *to, copy, pixels, format.colours, format.colourCount);
    }
    return static_cast<int>(yAxis.sourceLength);
}

int WINAPI SetStretchBltMode(HDC dcHandle, int mode) {
    DeviceContext* dc = AsDC(dcHandle);
    if (!dc || mode < BLACKONWHITE || mode > HALFTONE) return 0;
    int previous = dc->stretchMode;
    dc->stretchMode = mode;
    return previous;
}

int WINAPI GetStretchBltMode(HDC dcHandle) {
    DeviceContext* dc = AsDC(dcHandle);
    return dc ? dc->stretchMode : 0;
}
