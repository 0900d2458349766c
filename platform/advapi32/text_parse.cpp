// Reading the registry file. Anything not understood fails the whole text, so a damaged
// file is never half-read and then written back with values missing.
#include <algorithm>
#include <array>

#include "platform/advapi32/key_paths.h"
#include "platform/advapi32/text_form.h"
#include "platform/include/winreg.h"

namespace platform::registry {
namespace {

// Plain loops over the characters: the library's find_first_not_of costs a call per
// character, and a long file is mostly such scanning.
inline bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

inline std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

inline bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && SameFolded(text.substr(0, prefix.size()), prefix);
}

// A table, not comparisons: hex data is most of a long file.
constexpr std::array<signed char, 256> kHexDigits = [] {
    std::array<signed char, 256> digits{};
    for (int c = 0; c < 256; ++c)
        digits[size_t(c)] = c >= '0' && c <= '9'   ? char(c - '0')
                            : c >= 'a' && c <= 'f' ? char(c - 'a' + 10)
                            : c >= 'A' && c <= 'F' ? char(c - 'A' + 10)
                                                   : -1;
    return digits;
}();

int HexDigit(char c) {
    return kHexDigits[static_cast<unsigned char>(c)];
}

bool ParseHexNumber(std::string_view digits, size_t maxDigits, DWORD& number) {
    if (digits.empty() || digits.size() > maxDigits) return false;
    number = 0;
    for (char c : digits) {
        const int digit = HexDigit(c);
        if (digit < 0) return false;
        number = number << 4 | DWORD(digit);
    }
    return true;
}

size_t SkipBlanks(std::string_view text, size_t at) {
    while (at < text.size() && IsBlank(text[at]))
        ++at;
    return at;
}

// The usual "aa,bb," run at the front of list[at..], taken three characters at a time.
size_t TakeHexRun(std::string_view list, size_t at, std::vector<BYTE>* bytes) {
    for (; at + 3 <= list.size() && list[at + 2] == ','; at += 3) {
        const int high = HexDigit(list[at]), low = HexDigit(list[at + 1]);
        if ((high | low) < 0) break;
        if (bytes) bytes->push_back(BYTE(high << 4 | low));
    }
    return at;
}

// "aa,bb,...": one or two digits a byte, blanks allowed around each; a dangling comma is no
// list. One pass with no calls per byte; null `bytes` only checks the form.
bool ParseHexBytes(std::string_view list, std::vector<BYTE>* bytes) {
    size_t at = SkipBlanks(list, 0);
    while (at < list.size()) {
        at = TakeHexRun(list, at, bytes);
        int byte = 0;
        const size_t first = at;
        for (int digit; at < list.size() && at - first < 3 && (digit = HexDigit(list[at])) >= 0;
             ++at)
            byte = byte << 4 | digit;
        if (at == first || at - first > 2) return false;
        if (bytes) bytes->push_back(BYTE(byte));
        at = SkipBlanks(list, at);
        if (at == list.size()) break;
        if (list[at] != ',') return false;
        at = SkipBlanks(list, at + 1);
        if (at == list.size()) return false;
    }
    return true;
}

// Plain runs, found with the library's fast search, are copied whole; only the escapes go
// character by character. Null `out` only checks the form.
template <typename Out> bool ParseQuotedInto(std::string_view& text, Out* out) {
    for (size_t i = 1; i < text.size(); ++i) {
        const size_t quote = text.find('"', i);
        if (quote == std::string_view::npos) return false;
        const size_t stop = std::min(quote, text.substr(0, quote).find('\\', i));
        if (out) out->insert(out->end(), text.begin() + i, text.begin() + stop);
        if (stop == quote) {
            text.remove_prefix(quote + 1);
            return true;
        }
        i = stop + 1;
        if (text[i] != '\\' && text[i] != '"') return false;
        if (out) out->push_back(text[i]);
    }
    return false;
}

// The parsers below fill `value`, or only check the form when it is null: most of a long
// file belongs to keys nobody asked about.
bool ParseString(std::string_view text, Value* value) {
    if (!ParseQuotedInto(text, value ? &value->data : nullptr) || !Trim(text).empty()) return false;
    if (value) {
        value->type = REG_SZ;
        value->data.push_back(0);
    }
    return true;
}

bool ParseDword(std::string_view digits, Value* value) {
    DWORD number = 0;
    if (!ParseHexNumber(Trim(digits), 8, number)) return false;
    if (value) {
        value->type = REG_DWORD;
        value->data = {BYTE(number), BYTE(number >> 8), BYTE(number >> 16), BYTE(number >> 24)};
    }
    return true;
}

// "hex(<type>):<bytes>", the "hex(" already taken off.
bool ParseTypedHex(std::string_view text, Value* value) {
    const size_t close = text.find("):");
    DWORD type = 0;
    if (close == std::string_view::npos || !ParseHexNumber(text.substr(0, close), 8, type))
        return false;
    if (value) value->type = type;
    return ParseHexBytes(text.substr(close + 2), value ? &value->data : nullptr);
}

bool ParseData(std::string_view text, Value* value) {
    if (text.empty()) return false;
    if (text.front() == '"') return ParseString(text, value);
    if (FoldChar(text.front()) == 'd' && StartsWith(text, "dword:"))
        return ParseDword(text.substr(6), value);
    if (StartsWith(text, "hex:")) {
        if (value) value->type = REG_BINARY;
        return ParseHexBytes(text.substr(4), value ? &value->data : nullptr);
    }
    if (StartsWith(text, "hex(")) return ParseTypedHex(text.substr(4), value);
    return false;
}

bool ParseValueLine(std::string_view line, Value* value) {
    if (line.front() == '@') {
        line.remove_prefix(1);
    } else if (!ParseQuotedInto(line, value ? &value->name : nullptr)) {
        return false;
    }
    line = Trim(line);
    if (line.empty() || line.front() != '=') return false;
    return ParseData(Trim(line.substr(1)), value);
}

bool IsHeader(std::string_view line) {
    return line == "REGEDIT4" || line == "Windows Registry Editor Version 5.00";
}

// Walks the text as logical lines: a value line ending in a backslash continues on the next.
class LineReader {
public:
    explicit LineReader(std::string_view text) : rest(text) {}

    // The line points into the text, or into the reader when it had to be joined.
    bool Next(std::string_view& line) {
        if (rest.empty()) return false;
        line = Trim(Physical());
        if (!IsValueLine(line) || line.back() != '\\' || rest.empty()) return true;
        joined.assign(line);
        while (joined.back() == '\\' && !rest.empty()) {
            joined.pop_back();
            joined.append(Trim(Physical()));
        }
        line = joined;
        return true;
    }
    int Number() const { return number; }

private:
    static bool IsValueLine(std::string_view line) {
        return !line.empty() && (line.front() == '"' || line.front() == '@');
    }
    std::string_view Physical() {
        ++number;
        const size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        return line;
    }

    std::string_view rest;
    std::string joined;
    int number = 0;
};

// Where the scan stands: in a key or not, and whether the visitor wants that key's values.
struct ScanState {
    bool inKey = false;
    bool wanted = false;
    Value value{}; // reused, so a long file costs no allocation per line
};

// One logical line after the header: a key, or a value of the current key. The problem, or
// null when the line is understood.
const char* ScanLine(std::string_view line, TextVisitor& visitor, ScanState& state) {
    if (line.front() == '[') {
        const auto path =
            line.back() == ']' ? CanonicalKeyPath(line.substr(1, line.size() - 2)) : std::nullopt;
        if (!path) return "bad key line";
        state.wanted = visitor.OnKey(*path);
        state.inKey = true;
        return nullptr;
    }
    if (!state.inKey) return "value outside any key";
    if (!state.wanted) return ParseValueLine(line, nullptr) ? nullptr : "bad value line";
    state.value.name.clear();
    state.value.data.clear();
    if (!ParseValueLine(line, &state.value)) return "bad value line";
    visitor.OnValue(state.value);
    return nullptr;
}

bool ScanLines(std::string_view text, TextVisitor& visitor, ParseProblem& problem) {
    if (StartsWith(text, "\xEF\xBB\xBF")) text.remove_prefix(3);
    LineReader reader(text);
    std::string_view line;
    ScanState state;
    bool headerSeen = false;
    while (reader.Next(line)) {
        if (line.empty() || line.front() == ';') continue;
        const char* fault = headerSeen       ? ScanLine(line, visitor, state)
                            : IsHeader(line) ? nullptr
                                             : "no REGEDIT4 header";
        if (fault) {
            problem = {reader.Number(), fault};
            return false;
        }
        headerSeen = true;
    }
    return true;
}

} // namespace

bool ScanRegistryText(std::string_view text, TextVisitor& visitor, ParseProblem& problem) {
    if (ScanLines(text, visitor, problem)) return true;
    visitor.Forget();
    return false;
}

bool ParseRegistryText(std::string_view text, Tree& tree, ParseProblem& problem) {
    TreeBuilder builder(tree);
    return ScanRegistryText(text, builder, problem);
}

} // namespace platform::registry
