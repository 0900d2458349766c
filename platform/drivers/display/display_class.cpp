#include "platform/drivers/display/display_class.h"

#include <cstdlib>
#include <cstring>

namespace platform {
namespace {

DisplayClass FromEnvironment() {
    const char* value = std::getenv("LUMARIS_DISPLAY_CLASS");
    return value && std::strcmp(value, "palette") == 0 ? DisplayClass::Palette
                                                       : DisplayClass::TrueColour;
}

DisplayClass& Current() {
    static DisplayClass current = FromEnvironment();
    return current;
}

} // namespace

DisplayClass CurrentDisplayClass() {
    return Current();
}

void SetCurrentDisplayClass(DisplayClass displayClass) {
    Current() = displayClass;
}

} // namespace platform
