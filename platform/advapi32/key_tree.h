// The registry held in memory between reading its file and writing it back: keys by full
// path ("HKEY_CURRENT_USER\Software\..."), each with its values. Key paths and value names
// compare without regard to ASCII case and keep the spelling they were created with.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/include/windef.h"

namespace platform::registry {

struct Value {
    std::string name; // empty for the key's default value
    DWORD type;
    std::vector<BYTE> data;
};

// Values keep the order they were first set in; the index finds one by name at once, so a
// key with many values reads in linear time. Change values only through SetValue.
struct Key {
    std::string path;
    std::vector<Value> values;
    std::unordered_map<std::string, size_t> index; // folded name -> position in values
};

inline char FoldChar(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

std::string FoldCase(std::string_view text);

// Equal without regard to ASCII case. Inline: the reader compares on every line.
inline bool SameFolded(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (FoldChar(a[i]) != FoldChar(b[i])) return false;
    return true;
}

class Tree {
public:
    using Keys = std::map<std::string, Key>; // by folded path, so parents precede children

    Key* Find(std::string_view path);
    // The key, created with its missing parents below the root when absent.
    Key& Ensure(std::string_view path);
    const Keys& AllKeys() const { return keys; }

private:
    Key& EnsureOne(std::string_view path);

    Keys keys;
};

const Value* FindValue(const Key& key, std::string_view name);
// Replaces a value of the same name or adds it.
void SetValue(Key& key, Value value);

} // namespace platform::registry
