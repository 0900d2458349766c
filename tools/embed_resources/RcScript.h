// What a resource script asks for, before any file is read.
#pragma once
#include <string>
#include <vector>

#include "tools/embed_resources/DialogTemplate.h"
#include "tools/embed_resources/ResourceName.h"

namespace embed {

enum class FileKind {
    Raw,    // the file's bytes as they are
    Icon,   // an .ico file, split into icon images and their group directory
    Bitmap, // a .bmp file without its file header
};

struct FileResource {
    ResourceName name;
    ResourceName type; // for Icon, the group's type
    FileKind kind;
    std::string path; // as written in the script
    int line;
};

struct StringEntry {
    uint16_t id;
    std::string text;
};

struct DialogResource {
    ResourceName name;
    DialogTemplate dialog;
    int line;
};

struct RcScript {
    std::vector<FileResource> files;
    std::vector<DialogResource> dialogs;
    std::vector<StringEntry> strings;
};

} // namespace embed
