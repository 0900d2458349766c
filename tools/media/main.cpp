// lumaris-media COMMAND ...: info, frames, decode and play over the engine's image classes.
#include <cstdio>
#include <cstring>

#include "tools/media/ConsoleReports.h"
#include "tools/media/commands.h"

namespace {

int Usage() {
    std::fprintf(stderr, "usage: lumaris-media info FILE\n"
                         "       lumaris-media frames FILE DIR\n"
                         "       lumaris-media decode FILE\n"
                         "       lumaris-media play FILE | SCRIPT... [options]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    const char* command = argv[1];
    InstallConsoleReports();
    if (std::strcmp(command, "play") == 0) return RunPlay(argc - 2, argv + 2);
    if (std::strcmp(command, "info") == 0 && argc == 3) return RunInfo(argv[2]);
    if (std::strcmp(command, "frames") == 0 && argc == 4) return RunFrames(argv[2], argv[3]);
    if (std::strcmp(command, "decode") == 0 && argc == 3) return RunDecode(argv[2]);
    return Usage();
}
