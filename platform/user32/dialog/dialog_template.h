// A dialog template (DLGTEMPLATE or DLGTEMPLATEEX with its items) read into plain values.
// Reading never goes past the bytes given; a template that would is refused.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace platform {

// A class or title given by name or by ordinal (0xFFFF followed by a number).
struct NameOrOrdinal {
    std::string name;
    int ordinal = -1; // -1 when given by name (or not given)
};

struct DialogItem {
    DWORD style = 0;
    DWORD exStyle = 0;
    RECT units{}; // in dialog units
    int id = 0;
    NameOrOrdinal windowClass;
    NameOrOrdinal title;
    std::vector<BYTE> creationData;
};

struct DialogFont {
    int pointSize = 0;
    int weight = FW_NORMAL;
    bool italic = false;
    std::string face;
};

struct DialogDescription {
    DWORD style = 0;
    DWORD exStyle = 0;
    RECT units{};
    NameOrOrdinal menu;
    NameOrOrdinal windowClass;
    std::string title;
    bool hasFont = false;
    DialogFont font;
    std::vector<DialogItem> items;
};

// False for bytes that are not a whole template.
bool ReadDialogTemplate(const BYTE* bytes, size_t size, DialogDescription* out);

// The system class named by a template ordinal (0x80 "Button" to 0x85 "ComboBox"); null
// for any other number.
LPCSTR ClassOfOrdinal(int ordinal);

} // namespace platform
