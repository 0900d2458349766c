// The registry file's text form: a "REGEDIT4" header, then "[key path]" sections holding
// "name"=dword:0000002a, "name"="text" and "name"=hex(type):aa,bb,.. lines. Every value of
// any type and length is written in a form that reads back to the same bytes.
#pragma once

#include <string>
#include <string_view>

#include "platform/advapi32/key_tree.h"

namespace platform::registry {

struct ParseProblem {
    int line = 0; // 1-based; 0 when the text as a whole is at fault
    std::string what;
};

// Takes the keys and values of a text in file order. A key may come more than once (its
// values then add up) and a value name again (the last one counts).
class TextVisitor {
public:
    // The canonical key path; true when the values under it are wanted. The others are only
    // checked, which makes a long file quick to search.
    virtual bool OnKey(std::string_view path) = 0;
    virtual void OnValue(const Value& value) = 0; // of the last key, when wanted
    virtual void Forget() = 0;                    // the text was damaged: drop what was seen

protected:
    ~TextVisitor() = default;
};

// Adds what it is handed to a tree; forgetting empties the tree.
class TreeBuilder final : public TextVisitor {
public:
    explicit TreeBuilder(Tree& tree) : tree(tree) {}
    bool OnKey(std::string_view path) override {
        current = &tree.Ensure(path);
        return true;
    }
    void OnValue(const Value& value) override { SetValue(*current, value); }
    void Forget() override { tree = Tree(); }

private:
    Tree& tree;
    Key* current = nullptr;
};

// Hands `text` to `visitor` line by line, once. False (with the problem) when any line is
// not understood; the visitor is then told to forget, so nothing of a damaged text is used.
bool ScanRegistryText(std::string_view text, TextVisitor& visitor, ParseProblem& problem);
// Fills an empty `tree` from `text`; false (with the problem, the tree left empty) when any
// line is not understood.
bool ParseRegistryText(std::string_view text, Tree& tree, ParseProblem& problem);
std::string FormatRegistryText(const Tree& tree);

} // namespace platform::registry
