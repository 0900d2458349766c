#include "tools/embed_resources/ResourceName.h"

#include <algorithm>
#include <cctype>

namespace embed {

bool ResourceName::operator==(const ResourceName& other) const {
    if (isNumber != other.isNumber) return false;
    if (isNumber) return number == other.number;
    return text.size() == other.text.size() &&
           std::equal(text.begin(), text.end(), other.text.begin(), [](char a, char b) {
               return std::toupper(static_cast<unsigned char>(a)) ==
                      std::toupper(static_cast<unsigned char>(b));
           });
}

} // namespace embed
