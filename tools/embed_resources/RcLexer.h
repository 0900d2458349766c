// Splits a resource script into tokens, skipping comments and preprocessor lines.
#pragma once
#include <string>

namespace embed {

struct Token {
    enum class Kind { Word, String, Comma, Bar, Open, Close, End, Invalid };
    Kind kind;
    std::string text; // a word, a string's decoded text, or what was wrong
    int line;
};

class RcLexer {
public:
    explicit RcLexer(const std::string& source) : source(source) {}
    Token Next();

private:
    bool SkipSpaceAndComments(std::string& problem);
    bool SkipDirective(std::string& problem);
    Token ReadString();
    Token ReadWord();
    char Peek(size_t ahead = 0) const;
    bool AtLineStart() const;

    const std::string& source;
    size_t at = 0;
    int line = 1;
};

} // namespace embed
