// Writing the registry file. Strings that read back exactly are written as text; every other
// value, whatever its type and length, as hex bytes with its type.
#include <cstdio>

#include "platform/advapi32/text_form.h"
#include "platform/include/winreg.h"

namespace platform::registry {
namespace {

void AppendQuoted(std::string& out, std::string_view text) {
    out.push_back('"');
    for (char c : text) {
        if (c == '\\' || c == '"') out.push_back('\\');
        out.push_back(c);
    }
    out.push_back('"');
}

// One terminating NUL, none inside and no line breaks: the text form gives the same bytes.
bool WritableAsText(const Value& value) {
    const std::vector<BYTE>& data = value.data;
    if (value.type != REG_SZ || data.empty() || data.back() != 0) return false;
    for (size_t i = 0; i + 1 < data.size(); ++i)
        if (data[i] == 0 || data[i] == '\r' || data[i] == '\n') return false;
    return true;
}

void AppendHex(std::string& out, const Value& value) {
    char number[16];
    if (value.type == REG_BINARY) {
        out += "hex:";
    } else {
        std::snprintf(number, sizeof number, "hex(%x):", unsigned(value.type));
        out += number;
    }
    static constexpr char kDigits[] = "0123456789abcdef";
    for (size_t i = 0; i < value.data.size(); ++i) { // no formatting call per byte: files get long
        if (i) out.push_back(',');
        out.push_back(kDigits[value.data[i] >> 4]);
        out.push_back(kDigits[value.data[i] & 15]);
    }
}

void AppendData(std::string& out, const Value& value) {
    const std::vector<BYTE>& data = value.data;
    if (value.type == REG_DWORD && data.size() == 4) {
        char number[24];
        const unsigned dword = unsigned(data[0]) | unsigned(data[1]) << 8 |
                               unsigned(data[2]) << 16 | unsigned(data[3]) << 24;
        std::snprintf(number, sizeof number, "dword:%08x", dword);
        out += number;
    } else if (WritableAsText(value)) {
        AppendQuoted(out,
                     std::string_view(reinterpret_cast<const char*>(data.data()), data.size() - 1));
    } else {
        AppendHex(out, value);
    }
}

void AppendValue(std::string& out, const Value& value) {
    if (value.name.empty())
        out.push_back('@');
    else
        AppendQuoted(out, value.name);
    out.push_back('=');
    AppendData(out, value);
    out.push_back('\n');
}

} // namespace

std::string FormatRegistryText(const Tree& tree) {
    std::string out = "REGEDIT4\n";
    for (const auto& [folded, key] : tree.AllKeys()) {
        out += "\n[" + key.path + "]\n";
        for (const Value& value : key.values)
            AppendValue(out, value);
    }
    return out;
}

} // namespace platform::registry
