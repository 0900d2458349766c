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

// Fills `tree` from `text`. False (with the problem) when any line is not understood.
bool ParseRegistryText(std::string_view text, Tree& tree, ParseProblem& problem);
std::string FormatRegistryText(const Tree& tree);

} // namespace platform::registry
