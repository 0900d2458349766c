// A DIALOG statement of a resource script and the standard in-memory template it compiles to
// (DLGTEMPLATE with its DLGITEMTEMPLATE items, UTF-16 texts, items aligned to 4 bytes).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tools/embed_resources/IconFile.h"
#include "tools/embed_resources/ResourceName.h"

namespace embed {

struct DialogControl {
    uint32_t style = 0;
    uint32_t exStyle = 0;
    int16_t x = 0, y = 0, width = 0, height = 0;
    uint16_t id = 0;
    ResourceName windowClass; // a number is one of the predefined class atoms
    ResourceName text;        // a number names a resource (icons, bitmaps)
};

struct DialogTemplate {
    uint32_t style = 0;
    uint32_t exStyle = 0;
    int16_t x = 0, y = 0, width = 0, height = 0;
    std::string caption;
    uint16_t pointSize = 0; // with the font, when style has DS_SETFONT
    std::string typeface;
    std::vector<DialogControl> controls;
};

// Texts are taken byte for byte as Latin-1.
Bytes CompileDialog(const DialogTemplate& dialog);

} // namespace embed
