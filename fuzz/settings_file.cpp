// The registry file reader over arbitrary bytes. Whatever it accepts must write back to text
// that reads again to the same registry.
#include <cstdlib>
#include <string_view>

#include "platform/advapi32/text_form.h"

using namespace platform::registry;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Tree tree;
    ParseProblem problem;
    if (!ParseRegistryText(std::string_view(reinterpret_cast<const char*>(data), size), tree,
                           problem))
        return 0;
    const std::string written = FormatRegistryText(tree);
    Tree again;
    if (!ParseRegistryText(written, again, problem) || FormatRegistryText(again) != written)
        std::abort();
    return 0;
}
