#include "tools/flic/ByteSink.h"

namespace flic {

void ByteSink::U16(uint16_t value) {
    bytes_.push_back(static_cast<uint8_t>(value));
    bytes_.push_back(static_cast<uint8_t>(value >> 8));
}

void ByteSink::U32(uint32_t value) {
    U16(static_cast<uint16_t>(value));
    U16(static_cast<uint16_t>(value >> 16));
}

void ByteSink::Append(const uint8_t* data, size_t count) {
    bytes_.insert(bytes_.end(), data, data + count);
}

void ByteSink::PatchU16(size_t offset, uint16_t value) {
    bytes_[offset] = static_cast<uint8_t>(value);
    bytes_[offset + 1] = static_cast<uint8_t>(value >> 8);
}

void ByteSink::PatchU32(size_t offset, uint32_t value) {
    PatchU16(offset, static_cast<uint16_t>(value));
    PatchU16(offset + 2, static_cast<uint16_t>(value >> 16));
}

void ByteSink::PadToEven() {
    if (bytes_.size() % 2 != 0) bytes_.push_back(0);
}

} // namespace flic
