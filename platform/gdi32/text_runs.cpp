#include "platform/gdi32/text_runs.h"

#include <SDL_ttf.h>

#include <string>

#include "platform/gdi32/font_faces.h"
#include "platform/gdi32/text_canvas.h"

namespace platform::gdi {
namespace {

TTF_Font* FaceOfDC(const DeviceContext& dc) {
    return dc.font ? FaceOf(dc.font->logFont) : nullptr;
}

// Upper and lower case letters: the sample whose mean width is a font's average width.
constexpr const char* kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

} // namespace

FontMetrics MetricsOf(const DeviceContext& dc) {
    FontMetrics metrics;
    TTF_Font* face = FaceOfDC(dc);
    if (!face) return metrics;
    metrics.height = TTF_FontHeight(face);
    metrics.ascent = TTF_FontAscent(face);
    metrics.descent = metrics.height - metrics.ascent;
    int width = 0, height = 0;
    TTF_SizeUTF8(face, kAlphabet, &width, &height);
    metrics.averageWidth = (width / 26 + 1) / 2;
    TTF_SizeUTF8(face, "W", &width, &height);
    metrics.maxWidth = width;
    return metrics;
}

SIZE MeasureRun(const DeviceContext& dc, std::string_view text) {
    TTF_Font* face = FaceOfDC(dc);
    if (!face) return SIZE{0, 0};
    int width = 0, height = TTF_FontHeight(face);
    if (!text.empty()) TTF_SizeUTF8(face, std::string(text).c_str(), &width, &height);
    return SIZE{width, TTF_FontHeight(face)};
}

void DrawRun(const DeviceContext& dc, LONG x, LONG y, std::string_view text, const RECT* clip) {
    TextCanvas canvas;
    TTF_Font* face = FaceOfDC(dc);
    if (!face || !canvas.Open(dc, clip)) return;
    SIZE size = MeasureRun(dc, text);
    if (dc.backgroundMode == OPAQUE) {
        canvas.Fill(RECT{x, y, x + size.cx, y + size.cy}, dc.backgroundColour);
    }
    if (text.empty()) return;
    SDL_Surface* glyphs =
        TTF_RenderUTF8_Solid(face, std::string(text).c_str(), SDL_Color{255, 255, 255, 255});
    if (!glyphs) return;
    canvas.Mask(x, y, static_cast<const uint8_t*>(glyphs->pixels), glyphs->w, glyphs->h,
                glyphs->pitch, dc.textColour);
    SDL_FreeSurface(glyphs);
}

void UnderlineRun(const DeviceContext& dc, LONG x, LONG y, LONG width, const RECT* clip) {
    TextCanvas canvas;
    TTF_Font* face = FaceOfDC(dc);
    if (!face || !canvas.Open(dc, clip)) return;
    LONG line = y + TTF_FontAscent(face) + 1;
    canvas.Fill(RECT{x, line, x + width, line + 1}, dc.textColour);
}

} // namespace platform::gdi
