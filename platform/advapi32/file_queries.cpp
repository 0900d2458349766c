#include "platform/advapi32/file_queries.h"

#include "platform/host/posix/registry_file.h"

namespace platform::registry {
namespace {

// Notes whether each key line names the wanted key; the last key line decides where the
// values that follow belong.
class KeyWatch : public TextVisitor {
public:
    explicit KeyWatch(const std::string& path) : path(path) {}
    bool OnKey(std::string_view key) override {
        inKey = SameFolded(key, path);
        seen = seen || inKey;
        return inKey && wantsValues;
    }
    void OnValue(const Value&) override {}
    void Forget() override { inKey = seen = false; }

    bool inKey = false, seen = false;

protected:
    bool wantsValues = false;

private:
    const std::string& path;
};

class ValueWatch final : public KeyWatch {
public:
    ValueWatch(const std::string& path, const std::string& name) : KeyWatch(path), name(name) {
        wantsValues = true;
    }
    void OnValue(const Value& value) override {
        if (inKey && SameFolded(value.name, name)) found = value; // the last one counts
    }
    void Forget() override {
        KeyWatch::Forget();
        found.reset();
    }

    std::optional<Value> found;

private:
    const std::string& name;
};

} // namespace

bool KeyInFile(const std::string& path) {
    if (path.find('\\') == std::string::npos) return true;
    KeyWatch watch(path);
    VisitRegistry(watch);
    return watch.seen;
}

std::optional<Value> ValueInFile(const std::string& path, const std::string& name) {
    ValueWatch watch(path, name);
    VisitRegistry(watch);
    return std::move(watch.found);
}

} // namespace platform::registry
