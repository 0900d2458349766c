#include "tools/embed_resources/DialogTemplate.h"

namespace embed {

namespace {

constexpr uint32_t kSetFont = 0x40; // DS_SETFONT
constexpr uint16_t kOrdinalMark = 0xFFFF;

void Word(Bytes& out, uint16_t value) {
    out.push_back(uint8_t(value));
    out.push_back(uint8_t(value >> 8));
}

void DoubleWord(Bytes& out, uint32_t value) {
    Word(out, uint16_t(value));
    Word(out, uint16_t(value >> 16));
}

void Text(Bytes& out, const std::string& text) {
    for (unsigned char c : text)
        Word(out, c);
    Word(out, 0);
}

void NameOrOrdinal(Bytes& out, const ResourceName& name) {
    if (!name.isNumber) return Text(out, name.text);
    Word(out, kOrdinalMark);
    Word(out, name.number);
}

void Box(Bytes& out, int16_t x, int16_t y, int16_t width, int16_t height) {
    for (int16_t value : {x, y, width, height})
        Word(out, uint16_t(value));
}

void Control(Bytes& out, const DialogControl& control) {
    while (out.size() % 4)
        out.push_back(0);
    DoubleWord(out, control.style);
    DoubleWord(out, control.exStyle);
    Box(out, control.x, control.y, control.width, control.height);
    Word(out, control.id);
    NameOrOrdinal(out, control.windowClass);
    NameOrOrdinal(out, control.text);
    Word(out, 0); // no creation data
}

} // namespace

Bytes CompileDialog(const DialogTemplate& dialog) {
    Bytes out;
    DoubleWord(out, dialog.style);
    DoubleWord(out, dialog.exStyle);
    Word(out, uint16_t(dialog.controls.size()));
    Box(out, dialog.x, dialog.y, dialog.width, dialog.height);
    Word(out, 0); // no menu
    Word(out, 0); // the system's dialog class
    Text(out, dialog.caption);
    if (dialog.style & kSetFont) {
        Word(out, dialog.pointSize);
        Text(out, dialog.typeface);
    }
    for (const DialogControl& control : dialog.controls)
        Control(out, control);
    return out;
}

} // namespace embed
