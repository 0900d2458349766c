#include "tools/embed_resources/RcParser.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "tools/embed_resources/RcParserCore.h"

namespace embed {

std::string Upper(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

bool IsKeyword(const std::string& word, std::initializer_list<const char*> keywords) {
    std::string upper = Upper(word);
    return std::any_of(keywords.begin(), keywords.end(),
                       [&](const char* keyword) { return upper == keyword; });
}

bool IsMemoryOption(const std::string& word) {
    return IsKeyword(word, {"PRELOAD", "LOADONCALL", "FIXED", "MOVEABLE", "DISCARDABLE", "PURE",
                            "IMPURE", "SHARED", "NONSHARED"});
}

namespace {

// Statements of the resource language that the embedder does not build.
bool IsUnsupportedStatement(const std::string& word) {
    return IsKeyword(word, {"ACCELERATORS", "CURSOR", "DIALOG", "DIALOGEX", "FONT", "HTML",
                            "LANGUAGE", "MENU", "MENUEX", "MESSAGETABLE", "VERSIONINFO", "TOOLBAR",
                            "BEGIN", "END", "STRINGTABLE", "CHARACTERISTICS", "VERSION"});
}

} // namespace

bool ParseNumber(const std::string& word, uint16_t& number) {
    std::string digits = word;
    if (!digits.empty() && (digits.back() == 'L' || digits.back() == 'l')) digits.pop_back();
    if (digits.empty() || !std::isdigit(static_cast<unsigned char>(digits[0]))) return false;
    char* end = nullptr;
    unsigned long value = std::strtoul(digits.c_str(), &end, 0);
    if (*end || value > 0xFFFF) return false;
    number = static_cast<uint16_t>(value);
    return true;
}

// A token the lexer could not read explains the failure better than what was expected.
bool Parser::FailAt(int line, const std::string& message) {
    bool unreadable = Is(Token::Kind::Invalid);
    problem = "line " + std::to_string(unreadable ? token.line : line) + ": " +
              (unreadable ? token.text : message);
    return false;
}

bool Parser::Run(std::string& error) {
    while (!Is(Token::Kind::End)) {
        if (!Statement()) {
            error = problem;
            return false;
        }
    }
    return true;
}

bool Parser::Statement() {
    if (IsWord("STRINGTABLE")) return StringTable();
    if (!Is(Token::Kind::Word) || IsUnsupportedStatement(token.text))
        return Fail("unknown statement '" + token.text + "'");
    return FileStatement();
}

bool Parser::StringTable() {
    Advance();
    while (Is(Token::Kind::Word) && IsMemoryOption(token.text))
        Advance();
    if (!IsWord("BEGIN") && !Is(Token::Kind::Open)) return Fail("STRINGTABLE without BEGIN");
    Advance();
    while (!IsWord("END") && !Is(Token::Kind::Close)) {
        if (!StringEntryLine()) return false;
    }
    Advance();
    return true;
}

bool Parser::StringEntryLine() {
    uint16_t id = 0;
    if (!Is(Token::Kind::Word) || !ParseNumber(token.text, id))
        return Fail("expected a string id or END, found '" + token.text + "'");
    Advance();
    if (Is(Token::Kind::Comma)) Advance();
    if (!Is(Token::Kind::String)) return Fail("expected the text of string " + std::to_string(id));
    bool duplicate = std::any_of(script.strings.begin(), script.strings.end(),
                                 [&](const StringEntry& entry) { return entry.id == id; });
    if (duplicate) return Fail("string " + std::to_string(id) + " is defined twice");
    script.strings.push_back({id, token.text});
    Advance();
    return true;
}

bool Parser::Name(ResourceName& name) {
    uint16_t number = 0;
    name = ParseNumber(token.text, number) ? ResourceName::Number(number)
                                           : ResourceName::Text(token.text);
    Advance();
    return true;
}

bool Parser::TypeOf(FileResource& resource) {
    if (!Is(Token::Kind::Word)) return Fail("expected a resource type");
    if (IsUnsupportedStatement(token.text))
        return Fail("unsupported resource type '" + token.text + "'");
    resource.kind = FileKind::Raw;
    if (IsWord("ICON")) {
        resource.kind = FileKind::Icon;
        resource.type = ResourceName::Number(kTypeGroupIcon);
    } else if (IsWord("BITMAP")) {
        resource.kind = FileKind::Bitmap;
        resource.type = ResourceName::Number(kTypeBitmap);
    } else if (IsWord("RCDATA")) {
        resource.type = ResourceName::Number(kTypeRcData);
    } else {
        Name(resource.type);
        return true;
    }
    Advance();
    return true;
}

bool Parser::FileResourceUnique(const FileResource& resource) {
    bool duplicate =
        std::any_of(script.files.begin(), script.files.end(), [&](const FileResource& other) {
            return other.type == resource.type && other.name == resource.name;
        });
    return !duplicate || Fail("resource '" + resource.path + "' repeats a type and name");
}

bool Parser::FileStatement() {
    FileResource resource;
    resource.line = token.line;
    Name(resource.name);
    if (IsWord("DIALOG")) return DialogStatement(resource.name, resource.line);
    if (!TypeOf(resource)) return false;
    while (Is(Token::Kind::Word) && IsMemoryOption(token.text))
        Advance();
    // A bare file name must at least look like one, or a missing name would swallow the
    // next statement.
    bool bareFile = Is(Token::Kind::Word) && token.text.find('.') != std::string::npos;
    if (!Is(Token::Kind::String) && !bareFile) return FailAt(resource.line, "expected a file name");
    resource.path = token.text;
    if (!FileResourceUnique(resource)) return false;
    script.files.push_back(resource);
    Advance();
    return true;
}

bool ParseRcScript(const std::string& source, RcScript& script, std::string& error) {
    return Parser(source, script).Run(error);
}

} // namespace embed
