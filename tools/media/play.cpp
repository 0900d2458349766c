#include <cstdio>

#include "tools/media/commands.h"

int RunPlay(int, char**) {
    std::fprintf(stderr, "play: not available yet\n");
    return 2;
}
