// The names a resource script gives window, dialog and control styles and the standard
// control ids, as the system headers define them.
#pragma once
#include <cstdint>
#include <string>

namespace embed {

// False for a name the embedder does not know.
bool StyleValue(const std::string& name, uint32_t& value);

} // namespace embed
