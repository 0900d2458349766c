// GetSysColor and GetSysColorBrush: the classic scheme, fixed.
#include <array>

#include "platform/gdi32/objects.h"

namespace {

constexpr std::array<COLORREF, 25> kScheme = {
    RGB(192, 192, 192), RGB(0, 128, 128),   RGB(0, 0, 128),     RGB(128, 128, 128),
    RGB(192, 192, 192), RGB(255, 255, 255), RGB(0, 0, 0),       RGB(0, 0, 0),
    RGB(0, 0, 0),       RGB(255, 255, 255), RGB(192, 192, 192), RGB(192, 192, 192),
    RGB(128, 128, 128), RGB(0, 0, 128),     RGB(255, 255, 255), RGB(192, 192, 192),
    RGB(128, 128, 128), RGB(128, 128, 128), RGB(0, 0, 0),       RGB(192, 192, 192),
    RGB(255, 255, 255), RGB(0, 0, 0),       RGB(192, 192, 192), RGB(0, 0, 0),
    RGB(255, 255, 225),
};

bool IsSystemColour(int index) {
    return index >= 0 && index < static_cast<int>(kScheme.size());
}

} // namespace

DWORD WINAPI GetSysColor(int index) {
    return IsSystemColour(index) ? kScheme[index] : 0;
}

// Made on first use and marked stock, so that deleting one does nothing.
HBRUSH WINAPI GetSysColorBrush(int index) {
    static std::array<HBRUSH, kScheme.size()> brushes{};
    if (!IsSystemColour(index)) return nullptr;
    if (!brushes[index]) {
        brushes[index] = CreateSolidBrush(kScheme[index]);
        platform::gdi::Lookup(brushes[index])->stock = true;
    }
    return brushes[index];
}
