#include "platform/advapi32/key_tree.h"

namespace platform::registry {

std::string FoldCase(std::string_view text) {
    std::string folded(text);
    for (char& c : folded)
        c = FoldChar(c);
    return folded;
}

Key* Tree::Find(std::string_view path) {
    auto found = keys.find(FoldCase(path));
    return found == keys.end() ? nullptr : &found->second;
}

Key& Tree::EnsureOne(std::string_view path) {
    auto [entry, added] = keys.try_emplace(FoldCase(path));
    if (added) entry->second.path = std::string(path);
    return entry->second;
}

Key& Tree::Ensure(std::string_view path) {
    // Parents from the first component below the root; the root exists without an entry.
    size_t separator = path.find('\\');
    while (separator != std::string_view::npos) {
        separator = path.find('\\', separator + 1);
        if (separator != std::string_view::npos) EnsureOne(path.substr(0, separator));
    }
    return EnsureOne(path);
}

const Value* FindValue(const Key& key, std::string_view name) {
    auto found = key.index.find(FoldCase(name));
    return found == key.index.end() ? nullptr : &key.values[found->second];
}

void SetValue(Key& key, Value value) {
    auto [entry, added] = key.index.try_emplace(FoldCase(value.name), key.values.size());
    if (added)
        key.values.push_back(std::move(value));
    else
        key.values[entry->second] = std::move(value);
}

} // namespace platform::registry
