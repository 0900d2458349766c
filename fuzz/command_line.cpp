// The command line over arbitrary bytes: the tail after the program path, and the mode the
// tail picks, without running it. The first byte chooses whether the rest is a whole Win32
// command line or host arguments (split at zero bytes) that the process entry joins first.
#include <cstring>
#include <string>
#include <vector>

#include "platform/host/posix/process_entry.h"
#include "shell/CommandLine.h"

namespace {

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

std::string FromArguments(const uint8_t* data, size_t size) {
    std::vector<std::string> arguments(1, "lumaris");
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            arguments.emplace_back();
        else
            arguments.back() += char(data[i]);
    }
    std::vector<const char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(argument.c_str());
    return platform::CommandLineFromArguments(int(argv.size()), argv.data(), nullptr);
}

char FirstDecidingCharacter(const char* tail) {
    while (*tail == ' ' || *tail == '-' || *tail == '/')
        ++tail;
    return char(*tail | 0x20);
}

void CheckChoice(const char* tail, const ModeChoice& choice) {
    switch (FirstDecidingCharacter(tail)) {
    case ' ': // end of the tail: 0 | 0x20
        Check(choice.mode == SaverMode::Settings && !choice.ownedByForeground);
        break;
    case 's':
        Check(choice.mode == SaverMode::FullScreen);
        break;
    case 'p':
    case 'l':
        Check(choice.mode == SaverMode::Preview);
        break;
    case 'c':
        Check(choice.mode == SaverMode::Settings && choice.ownedByForeground);
        break;
    case 'a':
        Check(choice.mode == SaverMode::ChangePassword);
        break;
    default:
        Check(choice.mode == SaverMode::Invalid);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const std::string line = data[0] & 1
                                 ? FromArguments(data + 1, size - 1)
                                 : std::string(reinterpret_cast<const char*>(data + 1), size - 1);
    const char* start = line.c_str(); // stops at the first zero byte, as GetCommandLineA would
    const char* tail = CommandLineTail(start);
    Check(tail >= start && tail <= start + std::strlen(start));
    Check(!(*tail >= 1 && *tail <= ' '));
    const ModeChoice choice = ChooseMode(tail);
    CheckChoice(tail, choice);
    if (choice.mode != SaverMode::Preview && choice.mode != SaverMode::ChangePassword)
        Check(choice.windowNumber == 0);
    return 0;
}
