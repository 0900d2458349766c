// Reads the statements of a resource script that the embedder supports: file resources
// (`name TYPE "path"`, with ICON and BITMAP handled as a resource compiler does) and
// STRINGTABLE blocks, and DIALOG templates.
#pragma once
#include <string>

#include "tools/embed_resources/RcScript.h"

namespace embed {

// On failure `error` says what and on which line, and `script` is incomplete.
bool ParseRcScript(const std::string& source, RcScript& script, std::string& error);

} // namespace embed
