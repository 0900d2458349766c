// Key paths as the registry file and the calls spell them: a root name, then components
// separated by single backslashes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform::registry {

// The root spelled the usual way ("HKEY_CURRENT_USER"), or empty when `name` is no root.
std::string_view CanonicalRootName(std::string_view name);
// Components are non-empty and hold no line breaks, so every path survives the file form.
bool ValidSubPath(std::string_view subPath);
// The path with its root spelled canonically, or nothing when it is not a valid key path.
std::optional<std::string> CanonicalKeyPath(std::string_view path);

} // namespace platform::registry
