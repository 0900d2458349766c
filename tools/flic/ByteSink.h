// Growable little-endian byte buffer with back-patching, the output of every encoder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace flic {

class ByteSink {
public:
    void U8(uint8_t value) { bytes_.push_back(value); }
    void U16(uint16_t value);
    void U32(uint32_t value);
    void Append(const uint8_t* data, size_t count);
    void Append(const std::vector<uint8_t>& data) { Append(data.data(), data.size()); }
    void PatchU8(size_t offset, uint8_t value) { bytes_[offset] = value; }
    void PatchU16(size_t offset, uint16_t value);
    void PatchU32(size_t offset, uint32_t value);
    // Pads with one zero byte when the size is odd (chunks keep even sizes).
    void PadToEven();

    size_t Size() const { return bytes_.size(); }
    const std::vector<uint8_t>& Bytes() const { return bytes_; }
    std::vector<uint8_t> Take() { return std::move(bytes_); }

private:
    std::vector<uint8_t> bytes_;
};

} // namespace flic
