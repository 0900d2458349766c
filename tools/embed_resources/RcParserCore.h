// The resource script parser's state, shared by the files that read its statements.
#pragma once
#include <string>

#include "tools/embed_resources/RcLexer.h"
#include "tools/embed_resources/RcScript.h"

namespace embed {

std::string Upper(std::string text);
bool IsKeyword(const std::string& word, std::initializer_list<const char*> keywords);
// Load and memory options that a resource compiler accepts and that mean nothing here.
bool IsMemoryOption(const std::string& word);
// Decimal or 0x hexadecimal, with the optional L suffix of resource scripts.
bool ParseNumber(const std::string& word, uint16_t& number);

class Parser {
public:
    Parser(const std::string& source, RcScript& script) : lexer(source), script(script) {
        Advance();
    }

    bool Run(std::string& error);

private:
    void Advance() { token = lexer.Next(); }
    bool Fail(const std::string& message) { return FailAt(token.line, message); }
    bool FailAt(int line, const std::string& message);
    bool Is(Token::Kind kind) const { return token.kind == kind; }
    bool IsWord(const char* keyword) const {
        return Is(Token::Kind::Word) && Upper(token.text) == keyword;
    }
    bool Statement();
    // DIALOG statements (RcDialogParser.cpp).
    bool DialogStatement(const ResourceName& name, int line);
    bool DialogOptions(DialogTemplate& dialog);
    bool DialogControls(DialogTemplate& dialog);
    bool ControlStatement(DialogTemplate& dialog);
    bool GenericControl(DialogControl& control);
    bool Number(int32_t& value);
    bool Style(uint32_t& value);
    bool Comma();
    bool ControlText(ResourceName& text);
    bool Box(int16_t& x, int16_t& y, int16_t& width, int16_t& height);
    bool OptionalStyles(DialogControl& control);
    bool KeywordPlace(DialogControl& control, bool icon);
    bool StringTable();
    bool StringEntryLine();
    bool FileStatement();
    bool Name(ResourceName& name);
    bool TypeOf(FileResource& resource);
    bool FileResourceUnique(const FileResource& resource);

    RcLexer lexer;
    RcScript& script;
    Token token;
    std::string problem;
};

} // namespace embed
