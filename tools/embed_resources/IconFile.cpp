#include "tools/embed_resources/IconFile.h"

namespace embed {

namespace {

constexpr size_t kDirectoryHeader = 6;
constexpr size_t kFileEntry = 16;

uint32_t ReadLittle(const Bytes& bytes, size_t at, size_t width) {
    uint32_t value = 0;
    for (size_t i = 0; i < width; ++i)
        value |= uint32_t{bytes[at + i]} << (8 * i);
    return value;
}

void AppendLittle(Bytes& bytes, uint32_t value, size_t width) {
    for (size_t i = 0; i < width; ++i)
        bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// The group entry repeats the file entry's first 12 bytes (size, colours, planes, depth,
// byte count) and replaces the file offset by the image's resource number.
void AppendGroupEntry(Bytes& directory, const Bytes& file, size_t entry, uint16_t id) {
    directory.insert(directory.end(), file.begin() + entry, file.begin() + entry + 12);
    AppendLittle(directory, id, 2);
}

} // namespace

bool SplitIcon(const Bytes& file, uint16_t firstId, SplitIconFile& split, std::string& error) {
    if (file.size() < kDirectoryHeader || ReadLittle(file, 0, 2) != 0 ||
        ReadLittle(file, 2, 2) != 1) {
        error = "not an icon file";
        return false;
    }
    size_t count = ReadLittle(file, 4, 2);
    if (count == 0 || file.size() < kDirectoryHeader + count * kFileEntry) {
        error = "icon directory is empty or cut short";
        return false;
    }
    split.groupDirectory.assign(file.begin(), file.begin() + kDirectoryHeader);
    for (size_t i = 0; i < count; ++i) {
        size_t entry = kDirectoryHeader + i * kFileEntry;
        uint64_t size = ReadLittle(file, entry + 8, 4);
        uint64_t offset = ReadLittle(file, entry + 12, 4);
        if (size == 0 || offset + size > file.size()) {
            error = "icon image " + std::to_string(i) + " lies outside the file";
            return false;
        }
        split.images.emplace_back(file.begin() + offset, file.begin() + offset + size);
        AppendGroupEntry(split.groupDirectory, file, entry, static_cast<uint16_t>(firstId + i));
    }
    return true;
}

} // namespace embed
