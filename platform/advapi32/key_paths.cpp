#include "platform/advapi32/key_paths.h"

#include "platform/advapi32/key_tree.h"

namespace platform::registry {

std::string_view CanonicalRootName(std::string_view name) {
    static constexpr std::string_view roots[] = {"HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER",
                                                 "HKEY_LOCAL_MACHINE", "HKEY_USERS"};
    const std::string folded = FoldCase(name);
    for (std::string_view root : roots)
        if (folded == FoldCase(root)) return root;
    return {};
}

bool ValidSubPath(std::string_view subPath) {
    if (subPath.empty()) return false;
    if (subPath.find_first_of("\r\n") != std::string_view::npos) return false;
    if (subPath.front() == '\\' || subPath.back() == '\\') return false;
    return subPath.find("\\\\") == std::string_view::npos;
}

std::optional<std::string> CanonicalKeyPath(std::string_view path) {
    const size_t separator = path.find('\\');
    const std::string_view root = CanonicalRootName(path.substr(0, separator));
    if (root.empty()) return std::nullopt;
    if (separator == std::string_view::npos) return std::string(root);
    const std::string_view rest = path.substr(separator + 1);
    if (!ValidSubPath(rest)) return std::nullopt;
    return std::string(root) + '\\' + std::string(rest);
}

} // namespace platform::registry
