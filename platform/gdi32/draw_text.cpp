// DrawTextA: text laid out in a rectangle, with mnemonic prefixes, line breaks and word
// wrapping.
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gdi32/text_runs.h"

using namespace platform::gdi;

namespace {

constexpr size_t kNoMnemonic = std::string::npos;

struct Prepared {
    std::string text;
    size_t mnemonic = kNoMnemonic; // index of the underlined character
};

// "&x" underlines x and "&&" is one ampersand; a lone "&" at the end is dropped.
Prepared StripPrefixes(std::string_view source, bool keepAmpersands) {
    Prepared prepared;
    for (size_t i = 0; i < source.size(); ++i) {
        if (keepAmpersands || source[i] != '&') {
            prepared.text += source[i];
            continue;
        }
        if (++i >= source.size()) break;
        if (source[i] != '&' && prepared.mnemonic == kNoMnemonic) {
            prepared.mnemonic = prepared.text.size();
        }
        prepared.text += source[i];
    }
    return prepared;
}

struct Line {
    size_t start;
    size_t length;
};

// Breaks after the last blank that keeps the line within the width; a word longer than the
// width stands alone.
void WrapInto(const DeviceContext& dc, std::string_view text, size_t offset, LONG width,
              std::vector<Line>* lines) {
    size_t start = 0;
    while (start < text.size()) {
        size_t end = start, fitted = kNoMnemonic;
        while (end < text.size()) {
            size_t blank = text.find(' ', end + 1);
            size_t next = blank == std::string_view::npos ? text.size() : blank;
            if (MeasureRun(dc, text.substr(start, next - start)).cx > width) break;
            fitted = end = next;
        }
        if (fitted == kNoMnemonic) fitted = std::min(text.find(' ', start + 1), text.size());
        lines->push_back(Line{offset + start, fitted - start});
        start = fitted;
        while (start < text.size() && text[start] == ' ')
            ++start;
    }
    if (text.empty()) lines->push_back(Line{offset, 0});
}

std::vector<Line> LinesOf(const DeviceContext& dc, std::string_view text, UINT format, LONG width) {
    if (format & DT_SINGLELINE) return {Line{0, text.size()}};
    std::vector<Line> lines;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = std::min(text.find('\n', start), text.size());
        size_t length = end - start;
        if (length > 0 && text[start + length - 1] == '\r') --length;
        if (format & DT_WORDBREAK) {
            WrapInto(dc, text.substr(start, length), start, width, &lines);
        } else {
            lines.push_back(Line{start, length});
        }
        start = end + 1;
    }
    return lines;
}

LONG LineLeft(const RECT& rect, LONG lineWidth, UINT format) {
    if (format & DT_CENTER) return rect.left + (rect.right - rect.left - lineWidth) / 2;
    if (format & DT_RIGHT) return rect.right - lineWidth;
    return rect.left;
}

LONG FirstLineTop(const RECT& rect, LONG textHeight, UINT format) {
    if (!(format & DT_SINGLELINE)) return rect.top;
    if (format & DT_VCENTER) return rect.top + (rect.bottom - rect.top - textHeight) / 2;
    if (format & DT_BOTTOM) return rect.bottom - textHeight;
    return rect.top;
}

void DrawMnemonic(const DeviceContext& dc, const Prepared& prepared, const Line& line, LONG x,
                  LONG y, const RECT* clip) {
    size_t at = prepared.mnemonic;
    if (at == kNoMnemonic || at < line.start || at >= line.start + line.length) return;
    std::string_view text(prepared.text);
    LONG before = MeasureRun(dc, text.substr(line.start, at - line.start)).cx;
    LONG width = MeasureRun(dc, text.substr(at, 1)).cx;
    UnderlineRun(dc, x + before, y, width, clip);
}

} // namespace

int WINAPI DrawTextA(HDC dcHandle, LPCSTR text, int length, LPRECT rect, UINT format) {
    DeviceContext* dc = AsDC(dcHandle);
    if (!dc || !text || !rect) return 0;
    std::string_view source = length < 0 ? std::string_view(text) : std::string_view(text, length);
    Prepared prepared = StripPrefixes(source, (format & DT_NOPREFIX) != 0);
    if (format & DT_HIDEPREFIX) prepared.mnemonic = kNoMnemonic;
    std::vector<Line> lines = LinesOf(*dc, prepared.text, format, rect->right - rect->left);
    LONG lineHeight = MeasureRun(*dc, {}).cy;
    LONG textHeight = lineHeight * static_cast<LONG>(lines.size());
    if (format & DT_CALCRECT) {
        LONG widest = 0;
        for (const Line& line : lines) {
            std::string_view part(prepared.text.data() + line.start, line.length);
            widest = std::max(widest, MeasureRun(*dc, part).cx);
        }
        rect->right = rect->left + widest;
        rect->bottom = rect->top + textHeight;
        return textHeight;
    }
    const RECT* clip = (format & DT_NOCLIP) ? nullptr : rect;
    LONG y = FirstLineTop(*rect, textHeight, format);
    for (const Line& line : lines) {
        std::string_view part(prepared.text.data() + line.start, line.length);
        LONG x = LineLeft(*rect, MeasureRun(*dc, part).cx, format);
        DrawRun(*dc, x, y, part, clip);
        DrawMnemonic(*dc, prepared, line, x, y, clip);
        y += lineHeight;
    }
    return textHeight;
}
