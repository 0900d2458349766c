// DIALOG statements: the dialog's box and options, then its controls, each with the styles
// a resource compiler gives it by default (WS_CHILD | WS_VISIBLE and those of its keyword).
#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "tools/embed_resources/RcParserCore.h"
#include "tools/embed_resources/StyleNames.h"

namespace embed {

namespace {

constexpr uint32_t kChildVisible = 0x50000000; // WS_CHILD | WS_VISIBLE
constexpr uint32_t kGroup = 0x00020000;
constexpr uint32_t kTabStop = 0x00010000;
constexpr uint32_t kBorder = 0x00800000;
constexpr uint32_t kCaption = 0x00C00000;
constexpr uint32_t kSetFont = 0x40;
constexpr uint32_t kIcon = 0x03;                     // SS_ICON
constexpr uint32_t kDefaultDialogStyle = 0x80880000; // WS_POPUP | WS_BORDER | WS_SYSMENU

enum ClassAtom : uint16_t { kButton = 0x80, kEdit = 0x81, kStatic = 0x82, kScrollBar = 0x84 };

struct ControlKeyword {
    const char* word;
    uint16_t windowClass;
    uint32_t style;
    bool hasText;
};

constexpr ControlKeyword kKeywords[] = {
    {"LTEXT", kStatic, kGroup | 0x00, true},
    {"RTEXT", kStatic, kGroup | 0x02, true},
    {"CTEXT", kStatic, kGroup | 0x01, true},
    {"ICON", kStatic, kIcon, true},
    {"PUSHBUTTON", kButton, kTabStop | 0x00, true},
    {"DEFPUSHBUTTON", kButton, kTabStop | 0x01, true},
    {"CHECKBOX", kButton, kTabStop | 0x02, true},
    {"AUTOCHECKBOX", kButton, kTabStop | 0x03, true},
    {"RADIOBUTTON", kButton, kTabStop | 0x04, true},
    {"GROUPBOX", kButton, 0x07, true},
    {"AUTORADIOBUTTON", kButton, kTabStop | 0x09, true},
    {"EDITTEXT", kEdit, kBorder | kTabStop, false},
    {"SCROLLBAR", kScrollBar, 0x00, false},
};

const ControlKeyword* FindKeyword(const std::string& word) {
    const std::string upper = Upper(word);
    const auto found = std::find_if(std::begin(kKeywords), std::end(kKeywords),
                                    [&](const ControlKeyword& k) { return upper == k.word; });
    return found == std::end(kKeywords) ? nullptr : found;
}

// Decimal or 0x hexadecimal, a leading minus, the optional L suffix.
bool SignedNumber(const std::string& word, int64_t& value) {
    std::string digits = word;
    if (!digits.empty() && (digits.back() == 'L' || digits.back() == 'l')) digits.pop_back();
    const bool negative = !digits.empty() && digits[0] == '-';
    if (negative) digits.erase(0, 1);
    if (digits.empty() || !std::isdigit(static_cast<unsigned char>(digits[0]))) return false;
    char* end = nullptr;
    const unsigned long long magnitude = std::strtoull(digits.c_str(), &end, 0);
    if (*end || magnitude > 0xFFFFFFFFull) return false;
    value = negative ? -int64_t(magnitude) : int64_t(magnitude);
    return true;
}

} // namespace

bool Parser::Comma() {
    if (!Is(Token::Kind::Comma)) return Fail("expected a comma, found '" + token.text + "'");
    Advance();
    return true;
}

bool Parser::Number(int32_t& value) {
    uint32_t bits = 0;
    if (!Style(bits)) return false;
    value = int32_t(bits);
    return true;
}

// Terms joined by |; NOT clears its bits from what is there already (the defaults included).
bool Parser::Style(uint32_t& value) {
    for (;;) {
        const bool clear = IsWord("NOT");
        if (clear) Advance();
        int64_t number = 0;
        uint32_t bits = 0;
        if (Is(Token::Kind::Word) && SignedNumber(token.text, number))
            bits = uint32_t(number);
        else if (!Is(Token::Kind::Word) || !StyleValue(token.text, bits))
            return Fail("unknown value '" + token.text + "'");
        value = clear ? value & ~bits : value | bits;
        Advance();
        if (!Is(Token::Kind::Bar)) return true;
        Advance();
    }
}

bool Parser::Box(int16_t& x, int16_t& y, int16_t& width, int16_t& height) {
    int32_t values[4];
    for (int i = 0; i < 4; ++i)
        if ((i && !Comma()) || !Number(values[i])) return false;
    x = int16_t(values[0]);
    y = int16_t(values[1]);
    width = int16_t(values[2]);
    height = int16_t(values[3]);
    return true;
}

// A quoted text, or a number naming a resource.
bool Parser::ControlText(ResourceName& text) {
    uint16_t number = 0;
    if (Is(Token::Kind::String))
        text = ResourceName::Text(token.text);
    else if (Is(Token::Kind::Word) && ParseNumber(token.text, number))
        text = ResourceName::Number(number);
    else
        return Fail("expected a control text, found '" + token.text + "'");
    Advance();
    return true;
}

bool Parser::OptionalStyles(DialogControl& control) {
    if (!Is(Token::Kind::Comma)) return true;
    Advance();
    if (!Style(control.style)) return false;
    if (!Is(Token::Kind::Comma)) return true;
    Advance();
    return Style(control.exStyle);
}

// CONTROL text, id, class, style, x, y, width, height [, extended style]. A class given by
// name is stored in capitals, as the usual resource compilers store it.
bool Parser::GenericControl(DialogControl& control) {
    int32_t id = 0;
    if (!ControlText(control.text) || !Comma() || !Number(id) || !Comma()) return false;
    control.id = uint16_t(id);
    if (!Is(Token::Kind::String) && !Is(Token::Kind::Word)) return Fail("expected a class");
    control.windowClass = ResourceName::Text(Upper(token.text));
    Advance();
    if (!Comma() || !Style(control.style) || !Comma()) return false;
    if (!Box(control.x, control.y, control.width, control.height)) return false;
    if (!Is(Token::Kind::Comma)) return true;
    Advance();
    return Style(control.exStyle);
}

// x, y, width, height [, style [, extended style]]. An icon takes its size from its image:
// a size given is read and stored as 0, as the usual resource compilers do, or left out.
bool Parser::KeywordPlace(DialogControl& control, bool icon) {
    int32_t values[4] = {};
    for (int given = 0; given < 4; ++given) {
        if (icon && given == 2 && !Is(Token::Kind::Comma)) break;
        if ((given && !Comma()) || !Number(values[given])) return false;
    }
    control.x = int16_t(values[0]);
    control.y = int16_t(values[1]);
    control.width = icon ? 0 : int16_t(values[2]);
    control.height = icon ? 0 : int16_t(values[3]);
    return OptionalStyles(control);
}

bool Parser::ControlStatement(DialogTemplate& dialog) {
    DialogControl control;
    control.style = kChildVisible;
    const bool generic = IsWord("CONTROL");
    const ControlKeyword* keyword = generic ? nullptr : FindKeyword(token.text);
    if (!generic && !keyword) return Fail("unknown control '" + token.text + "'");
    Advance();
    if (generic) {
        if (!GenericControl(control)) return false;
    } else {
        control.windowClass = ResourceName::Number(keyword->windowClass);
        control.style |= keyword->style;
        control.text = ResourceName::Text("");
        if (keyword->hasText && (!ControlText(control.text) || !Comma())) return false;
        int32_t id = 0;
        if (!Number(id) || !Comma()) return false;
        control.id = uint16_t(id);
        if (!KeywordPlace(control, keyword->style == kIcon)) return false;
    }
    dialog.controls.push_back(control);
    return true;
}

bool Parser::DialogOptions(DialogTemplate& dialog) {
    bool styled = false;
    while (!IsWord("BEGIN") && !Is(Token::Kind::Open)) {
        const std::string option = Upper(token.text);
        if (!Is(Token::Kind::Word)) return Fail("expected BEGIN, found '" + token.text + "'");
        Advance();
        if (option == "STYLE") {
            styled = true;
            if (!Style(dialog.style)) return false;
        } else if (option == "EXSTYLE") {
            if (!Style(dialog.exStyle)) return false;
        } else if (option == "CAPTION" && Is(Token::Kind::String)) {
            dialog.caption = token.text;
            Advance();
        } else if (option == "FONT") {
            int32_t size = 0;
            if (!Number(size) || !Comma()) return false;
            if (!Is(Token::Kind::String)) return Fail("expected the font's face name");
            dialog.pointSize = uint16_t(size);
            dialog.typeface = token.text;
            Advance();
        } else {
            return Fail("unsupported dialog option '" + option + "'");
        }
    }
    if (!styled) dialog.style = kDefaultDialogStyle;
    if (!dialog.caption.empty()) dialog.style |= kCaption;
    if (!dialog.typeface.empty()) dialog.style |= kSetFont;
    return true;
}

bool Parser::DialogControls(DialogTemplate& dialog) {
    Advance(); // BEGIN
    while (!IsWord("END") && !Is(Token::Kind::Close)) {
        if (Is(Token::Kind::End)) return Fail("DIALOG without END");
        if (!ControlStatement(dialog)) return false;
    }
    Advance();
    return true;
}

bool Parser::DialogStatement(const ResourceName& name, int line) {
    Advance(); // DIALOG
    while (Is(Token::Kind::Word) && IsMemoryOption(token.text))
        Advance();
    DialogResource resource{name, {}, line};
    DialogTemplate& dialog = resource.dialog;
    if (!Box(dialog.x, dialog.y, dialog.width, dialog.height)) return false;
    if (!DialogOptions(dialog) || !DialogControls(dialog)) return false;
    const bool repeated =
        std::any_of(script.dialogs.begin(), script.dialogs.end(),
                    [&](const DialogResource& other) { return other.name == name; });
    if (repeated) return FailAt(line, "a dialog repeats its name");
    script.dialogs.push_back(std::move(resource));
    return true;
}

} // namespace embed
