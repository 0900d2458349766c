#include "platform/drivers/environment_choice.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace platform {

bool EnvironmentChooses(const char* variable, const char* first, const char* second,
                        bool fallback) {
    const char* wanted = std::getenv(variable);
    if (wanted && std::strcmp(wanted, first) == 0) return true;
    if (wanted && std::strcmp(wanted, second) == 0) return false;
    if (wanted && *wanted)
        std::fprintf(stderr, "lumaris: %s \"%s\" is neither %s nor %s; using %s\n", variable,
                     wanted, first, second, fallback ? first : second);
    return fallback;
}

} // namespace platform
