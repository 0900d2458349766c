#include "tools/embed_resources/RcLexer.h"

#include <cctype>

namespace embed {

namespace {

bool IsSpace(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

bool EndsWord(char c) {
    return !c || IsSpace(c) || c == '"' || c == ',' || c == '|' || c == '{' || c == '}';
}

// Unknown escapes keep their backslash, so Windows paths survive.
std::string Unescaped(char c) {
    switch (c) {
    case 'n':
        return "\n";
    case 't':
        return "\t";
    case 'r':
        return "\r";
    case 'a':
        return "\a";
    case '\\':
        return "\\";
    case '"':
        return "\"";
    default:
        return std::string("\\") + c;
    }
}

} // namespace

char RcLexer::Peek(size_t ahead) const {
    return at + ahead < source.size() ? source[at + ahead] : '\0';
}

bool RcLexer::AtLineStart() const {
    for (size_t back = at; back > 0; --back) {
        char c = source[back - 1];
        if (c == '\n') return true;
        if (c != ' ' && c != '\t') return false;
    }
    return true;
}

// #include and #pragma lines carry nothing the embedder needs; other directives would change
// what the script means, so they are refused rather than ignored.
bool RcLexer::SkipDirective(std::string& problem) {
    size_t start = ++at;
    while (std::isalpha(static_cast<unsigned char>(Peek())))
        ++at;
    std::string directive = source.substr(start, at - start);
    if (directive != "include" && directive != "pragma") {
        problem = "unsupported directive #" + directive;
        return false;
    }
    while (Peek() && Peek() != '\n')
        ++at;
    return true;
}

bool RcLexer::SkipSpaceAndComments(std::string& problem) {
    for (;;) {
        char c = Peek();
        if (c == '\n') ++line;
        if (IsSpace(c)) {
            ++at;
        } else if (c == '/' && Peek(1) == '/') {
            while (Peek() && Peek() != '\n')
                ++at;
        } else if (c == '/' && Peek(1) == '*') {
            size_t close = source.find("*/", at + 2);
            if (close == std::string::npos) {
                problem = "unterminated comment";
                return false;
            }
            for (; at < close + 2; ++at)
                line += source[at] == '\n';
        } else if (c == '#' && AtLineStart()) {
            if (!SkipDirective(problem)) return false;
        } else {
            return true;
        }
    }
}

Token RcLexer::ReadString() {
    std::string text;
    for (++at;; ++at) {
        char c = Peek();
        if (!c || c == '\n') return {Token::Kind::Invalid, "unterminated string", line};
        if (c == '"' && Peek(1) == '"') {
            text += '"';
            ++at;
        } else if (c == '"') {
            ++at;
            return {Token::Kind::String, text, line};
        } else if (c == '\\' && Peek(1)) {
            text += Unescaped(source[++at]);
        } else {
            text += c;
        }
    }
}

Token RcLexer::ReadWord() {
    size_t start = at;
    while (!EndsWord(Peek()))
        ++at;
    return {Token::Kind::Word, source.substr(start, at - start), line};
}

Token RcLexer::Next() {
    std::string problem;
    if (!SkipSpaceAndComments(problem)) return {Token::Kind::Invalid, problem, line};
    switch (Peek()) {
    case '\0':
        // A NUL inside the text would otherwise end the script there, dropping the rest.
        if (at < source.size()) return {Token::Kind::Invalid, "NUL byte in the script", line};
        return {Token::Kind::End, "", line};
    case ',':
        ++at;
        return {Token::Kind::Comma, ",", line};
    case '|':
        ++at;
        return {Token::Kind::Bar, "|", line};
    case '{':
        ++at;
        return {Token::Kind::Open, "{", line};
    case '}':
        ++at;
        return {Token::Kind::Close, "}", line};
    case '"':
        return ReadString();
    default:
        return ReadWord();
    }
}

} // namespace embed
