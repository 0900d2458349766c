#include "tools/embed_resources/ResourceBuilder.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace embed {

namespace {

constexpr size_t kBitmapFileHeader = 14;

std::string ResolvedPath(const std::string& baseDirectory, std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    if (path.empty() || path[0] == '/' || baseDirectory.empty()) return path;
    return baseDirectory + "/" + path;
}

bool ReadFile(const std::string& path, Bytes& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// Resource numbers for icon images continue across the script, from 1.
class Builder {
public:
    Builder(const std::string& baseDirectory, EmbeddedResources& built)
        : baseDirectory(baseDirectory), built(built) {}

    bool Add(const FileResource& resource, std::string& error);

private:
    bool AddIcon(const FileResource& resource, Bytes& file, std::string& error);
    bool AddBitmap(const FileResource& resource, Bytes& file, std::string& error);

    const std::string& baseDirectory;
    EmbeddedResources& built;
    uint16_t nextIconId = 1;
};

bool Builder::AddIcon(const FileResource& resource, Bytes& file, std::string& error) {
    SplitIconFile split;
    if (!SplitIcon(file, nextIconId, split, error)) return false;
    for (Bytes& image : split.images) {
        built.resources.push_back({ResourceName::Number(kTypeIcon),
                                   ResourceName::Number(nextIconId++), std::move(image)});
    }
    built.resources.push_back({resource.type, resource.name, std::move(split.groupDirectory)});
    return true;
}

bool Builder::AddBitmap(const FileResource& resource, Bytes& file, std::string& error) {
    if (file.size() < kBitmapFileHeader || file[0] != 'B' || file[1] != 'M') {
        error = "not a BMP file";
        return false;
    }
    file.erase(file.begin(), file.begin() + kBitmapFileHeader);
    built.resources.push_back({resource.type, resource.name, std::move(file)});
    return true;
}

bool Builder::Add(const FileResource& resource, std::string& error) {
    std::string path = ResolvedPath(baseDirectory, resource.path);
    Bytes file;
    if (!ReadFile(path, file)) {
        error = "cannot read " + path;
        return false;
    }
    built.filesRead.push_back(path);
    switch (resource.kind) {
    case FileKind::Icon:
        return AddIcon(resource, file, error);
    case FileKind::Bitmap:
        return AddBitmap(resource, file, error);
    case FileKind::Raw:
        break;
    }
    built.resources.push_back({resource.type, resource.name, std::move(file)});
    return true;
}

} // namespace

bool BuildResources(const RcScript& script, const std::string& baseDirectory,
                    EmbeddedResources& built, std::string& error) {
    Builder builder(baseDirectory, built);
    for (const FileResource& resource : script.files) {
        if (!builder.Add(resource, error)) {
            error = "line " + std::to_string(resource.line) + ": " + error;
            return false;
        }
    }
    for (const DialogResource& dialog : script.dialogs)
        built.resources.push_back(
            {ResourceName::Number(kTypeDialog), dialog.name, CompileDialog(dialog.dialog)});
    built.strings = script.strings;
    return true;
}

} // namespace embed
