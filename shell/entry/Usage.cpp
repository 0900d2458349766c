#include "shell/entry/Usage.h"

#include <string>

#include "platform/host/posix/registry_file.h"
#include "shell/entry/SettingOptions.h"

namespace {

constexpr char kModes[] = R"(usage: lumaris [MODE] [SETTINGS]
       lumaris --record OUT.gif --seconds N [--size WxH] [--box WxH] [SETTINGS] /s|/p

Modes:
  /s                  full screen; ends on a key, a click or a mouse drift of over 50 pixels
  /p N                preview inside window N
  /c, none            settings dialog
  --root              full screen, inside the X window named by XSCREENSAVER_WINDOW when set
  --window-id ID      preview scaled into X window ID (0x... or decimal)
  --record OUT.gif    N seconds (1 to 86400) of the saver on the headless display, as an
                      animated GIF; desktop --size (default 1024x768), preview --box
                      (default 152x112), each at most 7680x4320
  --help, --version   this text; the version
Other flags of display programs (-fps, -no-fps, -visual X, -install, -mono, -window) are
accepted and ignored; the daemon's flags may have one dash or two.

Settings for this run, in place of the stored ones. A run given any of these stores
nothing, not even the hue it ends on, so your own settings stay as they were:
)";

constexpr char kEnvironment[] = R"(
Environment:
  LUMARIS_DISPLAY        sdl or headless (default: sdl when DISPLAY or WAYLAND_DISPLAY is set)
  LUMARIS_DISPLAY_CLASS  truecolour (default) or palette
  LUMARIS_DESKTOP_SIZE   headless desktop size WxH, at most 7680x4320 (default 1024x768)
  LUMARIS_REGISTRY       the settings file
  XSCREENSAVER_WINDOW    the daemon's window for --root
)";

std::string OptionLine(const SettingOption& option) {
    std::string line = std::string("  ") + option.name;
    if (option.takesValue)
        line += " N (" + std::to_string(option.low) + " to " + std::to_string(option.high) + ")";
    return line;
}

void PrintSettingOptions(std::FILE* out) {
    for (const SettingOption& option : SettingOptions())
        std::fprintf(out, "%-28s%s (\"%s\")\n", OptionLine(option).c_str(), option.meaning,
                     option.setting);
}

} // namespace

void PrintUsage(std::FILE* out) {
    std::fputs(kModes, out);
    PrintSettingOptions(out);
    std::fputs("  (--big and --small together at most 30)\n", out);
    std::fputs(kEnvironment, out);
    const std::string settings = platform::registry::RegistryFilePath();
    std::fprintf(out, "\nSettings file: %s\n",
                 settings.empty() ? "none (neither LUMARIS_REGISTRY nor HOME is set)"
                                  : settings.c_str());
}

void PrintVersion(std::FILE* out) {
    std::fprintf(out, "lumaris %s\n", LUMARIS_VERSION);
}

void PrintUnknownArgumentHint(const char* tail) {
    const std::string text = tail;
    const std::string first = text.substr(0, text.find(' '));
    std::fprintf(stderr, "lumaris: unknown mode or option \"%s\" (lumaris --help lists them)\n",
                 first.c_str());
}
