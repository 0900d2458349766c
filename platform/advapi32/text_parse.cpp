// Reading the registry file. Anything not understood fails the whole text, so a damaged
// file is never half-read and then written back with values missing.
#include "platform/advapi32/key_paths.h"
#include "platform/advapi32/text_form.h"
#include "platform/include/winreg.h"

namespace platform::registry {
namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view Trim(std::string_view text) {
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && FoldCase(text.substr(0, prefix.size())) == prefix;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
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

bool ParseHexBytes(std::string_view list, std::vector<BYTE>& bytes) {
    list = Trim(list);
    while (!list.empty()) {
        const size_t comma = list.find(',');
        DWORD byte = 0;
        if (!ParseHexNumber(Trim(list.substr(0, comma)), 2, byte)) return false;
        bytes.push_back(BYTE(byte));
        if (comma == std::string_view::npos) break;
        list = list.substr(comma + 1);
        if (Trim(list).empty()) return false; // a dangling comma
    }
    return true;
}

// Reads a quoted string with \\ and \" escapes from the front of `text`, leaving the rest.
bool ParseQuoted(std::string_view& text, std::string& out) {
    for (size_t i = 1; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            text.remove_prefix(i + 1);
            return true;
        }
        if (c == '\\') {
            if (++i == text.size() || (text[i] != '\\' && text[i] != '"')) return false;
        }
        out.push_back(text[i]);
    }
    return false;
}

bool ParseString(std::string_view text, Value& value) {
    std::string content;
    if (!ParseQuoted(text, content) || !Trim(text).empty()) return false;
    value.type = REG_SZ;
    value.data.assign(content.begin(), content.end());
    value.data.push_back(0);
    return true;
}

bool ParseDword(std::string_view digits, Value& value) {
    DWORD number = 0;
    if (!ParseHexNumber(Trim(digits), 8, number)) return false;
    value.type = REG_DWORD;
    value.data = {BYTE(number), BYTE(number >> 8), BYTE(number >> 16), BYTE(number >> 24)};
    return true;
}

// "hex(<type>):<bytes>", the "hex(" already taken off.
bool ParseTypedHex(std::string_view text, Value& value) {
    const size_t close = text.find("):");
    return close != std::string_view::npos &&
           ParseHexNumber(text.substr(0, close), 8, value.type) &&
           ParseHexBytes(text.substr(close + 2), value.data);
}

bool ParseData(std::string_view text, Value& value) {
    if (text.empty()) return false;
    if (text.front() == '"') return ParseString(text, value);
    if (StartsWith(text, "dword:")) return ParseDword(text.substr(6), value);
    if (StartsWith(text, "hex:")) {
        value.type = REG_BINARY;
        return ParseHexBytes(text.substr(4), value.data);
    }
    if (StartsWith(text, "hex(")) return ParseTypedHex(text.substr(4), value);
    return false;
}

bool ParseValueLine(std::string_view line, Value& value) {
    if (line.front() == '@') {
        line.remove_prefix(1);
    } else if (!ParseQuoted(line, value.name)) {
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

    bool Next(std::string& line) {
        if (rest.empty()) return false;
        line.assign(Trim(Physical()));
        while (IsValueLine(line) && line.back() == '\\' && !rest.empty()) {
            line.pop_back();
            line.append(Trim(Physical()));
        }
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
    int number = 0;
};

bool Fail(ParseProblem& problem, int line, const char* what) {
    problem.line = line;
    problem.what = what;
    return false;
}

} // namespace

bool ParseRegistryText(std::string_view text, Tree& tree, ParseProblem& problem) {
    if (StartsWith(text, "\xEF\xBB\xBF")) text.remove_prefix(3);
    LineReader reader(text);
    std::string line;
    bool headerSeen = false;
    Key* current = nullptr;
    while (reader.Next(line)) {
        if (line.empty() || line.front() == ';') continue;
        if (!headerSeen) {
            if (!IsHeader(line)) return Fail(problem, reader.Number(), "no REGEDIT4 header");
            headerSeen = true;
        } else if (line.front() == '[') {
            const auto path =
                line.back() == ']'
                    ? CanonicalKeyPath(std::string_view(line).substr(1, line.size() - 2))
                    : std::nullopt;
            if (!path) return Fail(problem, reader.Number(), "bad key line");
            current = &tree.Ensure(*path);
        } else {
            Value value{};
            if (!current) return Fail(problem, reader.Number(), "value outside any key");
            if (!ParseValueLine(line, value))
                return Fail(problem, reader.Number(), "bad value line");
            SetValue(*current, std::move(value));
        }
    }
    return true;
}

} // namespace platform::registry
