// Questions the registry calls ask of the file: each reads it once and keeps only the answer,
// so even a large file costs one pass and nothing more per call.
#pragma once

#include <optional>
#include <string>

#include "platform/advapi32/key_tree.h"

namespace platform::registry {

// Whether the key (a full canonical path) is in the file; a root always is.
bool KeyInFile(const std::string& path);
// The value of that name under the key, or nothing when either is missing.
std::optional<Value> ValueInFile(const std::string& path, const std::string& name);

} // namespace platform::registry
