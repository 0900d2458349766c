#include "tools/media/ConsoleReports.h"

#include <cstdio>

#include "platform/user32/message_box_presenter.h"
#include "platform/win32.h"

namespace {

int PrintReport(HWND, LPCSTR text, LPCSTR caption, UINT) {
    std::fprintf(stderr, "%s: %s\n", caption, text);
    return IDOK;
}

} // namespace

void InstallConsoleReports() {
    platform::SetMessageBoxPresenter(PrintReport);
}

void PrintFailure(const char* what, const char* file) {
    std::fprintf(stderr, "lumaris-media: %s: %s\n", what, file);
}
