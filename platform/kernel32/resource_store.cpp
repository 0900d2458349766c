// The resource store: entries keyed by type and name, each an integer or a case-blind string,
// as in a module's resource directory.
#include <algorithm>
#include <cctype>
#include <list>
#include <map>
#include <utility>

#include "platform/kernel32/resource_entries.h"
#include "platform/kernel32/resource_store.h"

namespace {

// An integer id (name empty) or an upper-cased name.
struct ResourceId {
    WORD number = 0;
    std::string name;

    bool operator==(const ResourceId& other) const {
        return number == other.number && name == other.name;
    }
};

// "#123" names the integer 123, as the Windows loader reads it.
bool ParseNumberName(const char* text, WORD& number) {
    if (text[0] != '#' || !text[1]) return false;
    unsigned long value = 0;
    for (const char* digit = text + 1; *digit; ++digit) {
        if (!std::isdigit(static_cast<unsigned char>(*digit))) return false;
        value = value * 10 + static_cast<unsigned long>(*digit - '0');
        if (value > 0xFFFF) return false;
    }
    number = static_cast<WORD>(value);
    return true;
}

ResourceId IdOf(LPCSTR text) {
    ResourceId id;
    if (IS_INTRESOURCE(text)) {
        id.number = LOWORD(text);
    } else if (!ParseNumberName(text, id.number)) {
        id.name = text;
        for (char& c : id.name)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return id;
}

// The public part comes first so that an entry's address is also that of its ResourceEntry.
struct StoredResource {
    platform::ResourceEntry entry;
    ResourceId type;
    ResourceId name;
    std::vector<BYTE> ownedBytes;
};

struct ResourceStore {
    std::list<StoredResource> resources; // stable addresses: they are the HRSRC handles
    std::map<UINT, std::string> strings;
};

// Built on first use, so registrars running at static initialisation find it ready.
ResourceStore& Store() {
    static ResourceStore store;
    return store;
}

std::list<StoredResource>::iterator Find(const ResourceId& type, const ResourceId& name) {
    auto& resources = Store().resources;
    return std::find_if(resources.begin(), resources.end(), [&](const StoredResource& stored) {
        return stored.type == type && stored.name == name;
    });
}

StoredResource& Slot(LPCSTR type, LPCSTR name) {
    ResourceId typeId = IdOf(type);
    ResourceId nameId = IdOf(name);
    auto found = Find(typeId, nameId);
    if (found != Store().resources.end()) return *found;
    return Store().resources.emplace_back(
        StoredResource{{nullptr, 0}, std::move(typeId), std::move(nameId), {}});
}

HINSTANCE__ programModule;

} // namespace

namespace platform {

HMODULE ProgramModule() {
    return &programModule;
}

bool IsProgramModule(HMODULE module) {
    return !module || module == ProgramModule();
}

void RegisterResource(LPCSTR type, LPCSTR name, const void* data, DWORD size) {
    StoredResource& slot = Slot(type, name);
    slot.ownedBytes.clear();
    slot.entry = {static_cast<const BYTE*>(data), size};
}

void RegisterResourceCopy(LPCSTR type, LPCSTR name, std::vector<BYTE> bytes) {
    StoredResource& slot = Slot(type, name);
    slot.ownedBytes = std::move(bytes);
    slot.entry = {slot.ownedBytes.data(), static_cast<DWORD>(slot.ownedBytes.size())};
}

bool UnregisterResource(LPCSTR type, LPCSTR name) {
    auto found = Find(IdOf(type), IdOf(name));
    if (found == Store().resources.end()) return false;
    Store().resources.erase(found);
    return true;
}

void RegisterString(UINT id, LPCSTR text) {
    Store().strings[id] = text ? text : "";
}

bool UnregisterString(UINT id) {
    return Store().strings.erase(id) > 0;
}

const ResourceEntry* FindResourceEntry(LPCSTR type, LPCSTR name) {
    auto found = Find(IdOf(type), IdOf(name));
    return found == Store().resources.end() ? nullptr : &found->entry;
}

bool IsResourceEntry(const void* candidate) {
    const auto& resources = Store().resources;
    return std::any_of(resources.begin(), resources.end(),
                       [&](const StoredResource& stored) { return &stored.entry == candidate; });
}

const std::string* FindStringEntry(UINT id) {
    auto found = Store().strings.find(id);
    return found == Store().strings.end() ? nullptr : &found->second;
}

} // namespace platform
