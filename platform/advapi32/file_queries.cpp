#include "platform/advapi32/file_queries.h"

#include "platform/host/posix/registry_file.h"

namespace platform::registry {
namespace {

// Notes whether a key line names the wanted key and, given a value name, keeps the last value
// of that name under it: a key may come more than once, and the last value counts.
class Watch final : public TextVisitor {
public:
    Watch(const std::string& path, const std::string* name) : path(path), name(name) {}
    bool OnKey(std::string_view key) override {
        const bool wanted = SameFolded(key, path);
        seen = seen || wanted;
        return wanted && name; // only then come the values
    }
    void OnValue(const Value& value) override {
        if (SameFolded(value.name, *name)) found = value;
    }
    void Forget() override {
        seen = false;
        found.reset();
    }

    bool seen = false;
    std::optional<Value> found;

private:
    const std::string& path;
    const std::string* name;
};

} // namespace

bool KeyInFile(const std::string& path) {
    if (path.find('\\') == std::string::npos) return true;
    Watch watch(path, nullptr);
    VisitRegistry(watch);
    return watch.seen;
}

std::optional<Value> ValueInFile(const std::string& path, const std::string& name) {
    Watch watch(path, &name);
    VisitRegistry(watch);
    return std::move(watch.found);
}

} // namespace platform::registry
