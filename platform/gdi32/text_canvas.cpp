#include "platform/gdi32/text_canvas.h"

#include <algorithm>

#include "platform/gdi32/colour_translation.h"

namespace platform::gdi {

bool TextCanvas::Open(const DeviceContext& context, const RECT* limit) {
    dc = &context;
    if (!target.Resolve(context)) return false;
    clip = limit ? Intersection(target.Clip(), *limit) : target.Clip();
    return true;
}

TextCanvas::~TextCanvas() {
    if (dc && target.ForWindow()) target.Changed(changed);
}

void TextCanvas::Touch(const RECT& area) {
    if (IsEmpty(area)) return;
    changed =
        IsEmpty(changed)
            ? area
            : RECT{std::min(changed.left, area.left), std::min(changed.top, area.top),
                   std::max(changed.right, area.right), std::max(changed.bottom, area.bottom)};
}

void TextCanvas::Put(LONG x, LONG y, uint32_t windowValue, BYTE indexValue) {
    if (target.ForWindow()) {
        target.WindowPixel(x, y) = windowValue;
    } else {
        target.BitmapRow(y)[x] = indexValue;
    }
}

void TextCanvas::Fill(const RECT& area, COLORREF colour) {
    RECT visible = Intersection(area, clip);
    if (IsEmpty(visible)) return;
    uint32_t windowValue = target.ForWindow() ? WindowValueOf(*dc, colour) : 0;
    BYTE indexValue = target.ForWindow() ? 0 : IndexValueOf(*target.TargetBitmap(), colour);
    for (LONG y = visible.top; y < visible.bottom; ++y) {
        for (LONG x = visible.left; x < visible.right; ++x)
            Put(x, y, windowValue, indexValue);
    }
    Touch(visible);
}

void TextCanvas::Mask(LONG x, LONG y, const uint8_t* mask, int width, int height, int pitch,
                      COLORREF colour) {
    RECT visible = Intersection(RectOf(x, y, width, height), clip);
    if (IsEmpty(visible)) return;
    uint32_t windowValue = target.ForWindow() ? WindowValueOf(*dc, colour) : 0;
    BYTE indexValue = target.ForWindow() ? 0 : IndexValueOf(*target.TargetBitmap(), colour);
    for (LONG row = visible.top; row < visible.bottom; ++row) {
        const uint8_t* source = mask + static_cast<ptrdiff_t>(row - y) * pitch - x;
        for (LONG column = visible.left; column < visible.right; ++column) {
            if (source[column]) Put(column, row, windowValue, indexValue);
        }
    }
    Touch(visible);
}

} // namespace platform::gdi
