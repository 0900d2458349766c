// The registry file reader over arbitrary bytes. Whatever it accepts must write back to text
// that reads again to the same registry, and checking a text without keeping its values (as
// queries do for the keys they do not ask about) must judge it the same way.
#include <cstdlib>
#include <string_view>

#include "platform/advapi32/text_form.h"

using namespace platform::registry;

namespace {

class KeepsNothing final : public TextVisitor {
public:
    bool OnKey(std::string_view) override { return false; }
    void OnValue(const Value&) override {}
    void Forget() override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Tree tree;
    ParseProblem problem;
    KeepsNothing checker;
    const bool accepted = ParseRegistryText(text, tree, problem);
    if (ScanRegistryText(text, checker, problem) != accepted) std::abort();
    if (!accepted) return 0;
    const std::string written = FormatRegistryText(tree);
    Tree again;
    if (!ParseRegistryText(written, again, problem) || FormatRegistryText(again) != written)
        std::abort();
    return 0;
}
