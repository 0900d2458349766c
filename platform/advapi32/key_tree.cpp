#include "platform/advapi32/key_tree.h"

#include <algorithm>

namespace platform::registry {

static char FoldChar(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

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

static bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return FoldChar(x) == FoldChar(y);
           });
}

const Value* FindValue(const Key& key, std::string_view name) {
    auto found = std::find_if(key.values.begin(), key.values.end(),
                              [&](const Value& value) { return SameName(value.name, name); });
    return found == key.values.end() ? nullptr : &*found;
}

void SetValue(Key& key, Value value) {
    auto found = std::find_if(key.values.begin(), key.values.end(),
                              [&](const Value& held) { return SameName(held.name, value.name); });
    if (found == key.values.end())
        key.values.push_back(std::move(value));
    else
        *found = std::move(value);
}

} // namespace platform::registry
