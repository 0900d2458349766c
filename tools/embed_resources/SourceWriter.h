// Writes the C++ source that carries the resources' bytes and registers them with the
// program's resource store during static initialisation.
#pragma once
#include <string>

#include "tools/embed_resources/ResourceBuilder.h"

namespace embed {

std::string RegistrarSource(const EmbeddedResources& built, const std::string& scriptName);

// A C++ string literal holding `text` exactly.
std::string QuotedLiteral(const std::string& text);

} // namespace embed
