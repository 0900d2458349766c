#include "platform/user32/dialog/dialog_template.h"

namespace platform {
namespace {

constexpr WORD kOrdinalMark = 0xFFFF;
constexpr WORD kExtendedSignature = 0xFFFF;

// Little-endian values from a bounded buffer; once a read fails, every later one does too.
class TemplateReader {
public:
    TemplateReader(const BYTE* bytes, size_t size) : bytes(bytes), size(size) {}

    bool Ok() const { return ok; }

    WORD Word() { return static_cast<WORD>(Take(2)); }
    DWORD Dword() { return Take(4); }
    short Short() { return static_cast<short>(Word()); }
    BYTE Byte() { return static_cast<BYTE>(Take(1)); }

    void AlignToDword() { at = (at + 3) & ~static_cast<size_t>(3); }

    void Skip(size_t count) {
        if (!ok || count > size - at) ok = false;
        if (ok) at += count;
    }

    std::vector<BYTE> Bytes(size_t count) {
        std::vector<BYTE> taken;
        if (ok && count <= size - at) taken.assign(bytes + at, bytes + at + count);
        Skip(count);
        return taken;
    }

    // A NUL-terminated UTF-16 string, as UTF-8.
    std::string String() {
        std::string text;
        for (WORD unit = Word(); ok && unit != 0; unit = Word())
            AppendUtf8(unit, &text);
        return text;
    }

    NameOrOrdinal NameOrNumber() {
        NameOrOrdinal value;
        WORD first = Word();
        if (first == kOrdinalMark) {
            value.ordinal = Word();
        } else if (first != 0) {
            AppendUtf8(first, &value.name);
            value.name += String();
        }
        return value;
    }

private:
    DWORD Take(size_t count) {
        if (!ok || count > size - at) {
            ok = false;
            return 0;
        }
        DWORD value = 0;
        for (size_t i = 0; i < count; ++i)
            value |= static_cast<DWORD>(bytes[at + i]) << (8 * i);
        at += count;
        return value;
    }

    // Surrogate halves become a replacement mark; the templates hold plain text.
    static void AppendUtf8(WORD unit, std::string* text) {
        if (unit >= 0xD800 && unit <= 0xDFFF) unit = '?';
        if (unit < 0x80) {
            *text += static_cast<char>(unit);
        } else if (unit < 0x800) {
            *text += static_cast<char>(0xC0 | (unit >> 6));
            *text += static_cast<char>(0x80 | (unit & 0x3F));
        } else {
            *text += static_cast<char>(0xE0 | (unit >> 12));
            *text += static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
            *text += static_cast<char>(0x80 | (unit & 0x3F));
        }
    }

    const BYTE* bytes;
    size_t size;
    size_t at = 0;
    bool ok = true;
};

RECT ReadUnits(TemplateReader& reader) {
    LONG x = reader.Short(), y = reader.Short();
    LONG cx = reader.Short(), cy = reader.Short();
    return RECT{x, y, x + cx, y + cy};
}

void ReadFont(TemplateReader& reader, bool extended, DialogDescription* out) {
    out->hasFont = (out->style & DS_SETFONT) != 0;
    if (!out->hasFont) return;
    out->font.pointSize = reader.Word();
    if (extended) {
        out->font.weight = reader.Word();
        out->font.italic = reader.Byte() != 0;
        reader.Byte(); // character set
    }
    out->font.face = reader.String();
}

// The item's tail after its fixed part: class, title and creation data.
void ReadItemTail(TemplateReader& reader, DialogItem* item) {
    item->windowClass = reader.NameOrNumber();
    item->title = reader.NameOrNumber();
    WORD extra = reader.Word();
    item->creationData = reader.Bytes(extra);
}

DialogItem ReadItem(TemplateReader& reader, bool extended) {
    DialogItem item;
    reader.AlignToDword();
    if (extended) {
        reader.Dword(); // help id
        item.exStyle = reader.Dword();
        item.style = reader.Dword();
        item.units = ReadUnits(reader);
        item.id = static_cast<int>(reader.Dword());
    } else {
        item.style = reader.Dword();
        item.exStyle = reader.Dword();
        item.units = ReadUnits(reader);
        item.id = reader.Word();
    }
    ReadItemTail(reader, &item);
    return item;
}

WORD ReadHeader(TemplateReader& reader, bool extended, DialogDescription* out) {
    if (extended) {
        reader.Dword(); // version and signature
        reader.Dword(); // help id
        out->exStyle = reader.Dword();
        out->style = reader.Dword();
    } else {
        out->style = reader.Dword();
        out->exStyle = reader.Dword();
    }
    WORD count = reader.Word();
    out->units = ReadUnits(reader);
    out->menu = reader.NameOrNumber();
    out->windowClass = reader.NameOrNumber();
    out->title = reader.String();
    ReadFont(reader, extended, out);
    return count;
}

} // namespace

bool ReadDialogTemplate(const BYTE* bytes, size_t size, DialogDescription* out) {
    if (!bytes || !out) return false;
    *out = DialogDescription{};
    TemplateReader reader(bytes, size);
    bool extended = size >= 4 && bytes[0] == 1 && bytes[1] == 0 &&
                    (bytes[2] | (bytes[3] << 8)) == kExtendedSignature;
    WORD count = ReadHeader(reader, extended, out);
    for (WORD i = 0; reader.Ok() && i < count; ++i)
        out->items.push_back(ReadItem(reader, extended));
    return reader.Ok();
}

LPCSTR ClassOfOrdinal(int ordinal) {
    static const char* const names[] = {"Button",  "Edit",      "Static",
                                        "ListBox", "ScrollBar", "ComboBox"};
    if (ordinal < 0x80 || ordinal > 0x85) return nullptr;
    return names[ordinal - 0x80];
}

} // namespace platform
