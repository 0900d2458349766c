// A resource's type or name as a Windows resource script gives it: a 16-bit number or a word.
#pragma once
#include <cstdint>
#include <string>

namespace embed {

struct ResourceName {
    bool isNumber = true;
    uint16_t number = 0;
    std::string text;

    static ResourceName Number(uint16_t value) { return {true, value, {}}; }
    static ResourceName Text(std::string value) { return {false, 0, std::move(value)}; }

    // Names compare without regard to case, as the loader compares them.
    bool operator==(const ResourceName& other) const;
    bool operator!=(const ResourceName& other) const { return !(*this == other); }
};

// Integer types of the Windows resource directory.
constexpr uint16_t kTypeIcon = 3;
constexpr uint16_t kTypeBitmap = 2;
constexpr uint16_t kTypeDialog = 5;
constexpr uint16_t kTypeRcData = 10;
constexpr uint16_t kTypeGroupIcon = 14;

} // namespace embed
