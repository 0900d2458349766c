#include "shell/CommandLine.h"

namespace {

bool IsBlankOrControl(char c) {
    const auto code = static_cast<unsigned char>(c);
    return code >= 1 && code <= ' ';
}

LPCSTR SkipProgramPath(LPCSTR text) {
    if (*text == '"') {
        text = CharNextA(text);
        while (*text && *text != '"')
            text = CharNextA(text);
        return *text == '"' ? CharNextA(text) : text;
    }
    while (static_cast<unsigned char>(*text) > ' ')
        text = CharNextA(text);
    return text;
}

LPCSTR SkipSpaces(LPCSTR text) {
    while (*text == ' ')
        ++text;
    return text;
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

ModeChoice WithWindow(SaverMode mode, LPCSTR argument) {
    ModeChoice choice;
    choice.mode = mode;
    choice.windowNumber = ParseWindowNumber(SkipSpaces(argument));
    return choice;
}

} // namespace

LPCSTR CommandLineTail(LPCSTR commandLine) {
    if (!commandLine) return "";
    LPCSTR text = SkipProgramPath(commandLine);
    while (IsBlankOrControl(*text))
        ++text;
    return text;
}

UINT ParseWindowNumber(LPCSTR text) {
    UINT value = 0;
    for (; *text >= '0' && *text <= '9'; ++text)
        value = value * 10u + UINT(*text - '0');
    return value;
}

ModeChoice ChooseMode(LPCSTR tail) {
    for (;; ++tail) {
        switch (Lower(*tail)) {
        case '\0':
            return {SaverMode::Settings, false, 0};
        case ' ':
        case '-':
        case '/':
            continue;
        case 's':
            return {SaverMode::FullScreen, false, 0};
        case 'p':
        case 'l':
            return WithWindow(SaverMode::Preview, tail + 1);
        case 'c':
            return {SaverMode::Settings, true, 0};
        case 'a':
            return WithWindow(SaverMode::ChangePassword, tail + 1);
        default:
            return {};
        }
    }
}
