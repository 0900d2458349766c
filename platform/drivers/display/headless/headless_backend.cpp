#include "platform/drivers/display/headless/headless_backend.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "platform/drivers/display/display_size.h"

namespace platform {
namespace {

constexpr size_t kKeptPresents = 4096;
constexpr DWORD kLongestWait = 100;

} // namespace

SIZE DesktopSizeFromEnvironment() {
    SIZE size{1024, 768};
    const char* value = std::getenv("LUMARIS_DESKTOP_SIZE");
    if (!value) return size;
    if (const char* problem = DisplaySizeProblem(value, &size))
        std::fprintf(stderr, "lumaris: LUMARIS_DESKTOP_SIZE \"%s\" %s; using 1024x768\n", value,
                     problem);
    return size;
}

HeadlessBackend::HeadlessBackend() : desktop(DesktopSizeFromEnvironment()) {}

void HeadlessBackend::WaitForInput(DWORD milliseconds) {
    // No input can arrive; the wait lets the time pass until another thread wakes it. Long
    // waits return early, as any wait for input may, and the caller looks again.
    DWORD wait = milliseconds < kLongestWait ? milliseconds : kLongestWait;
    std::unique_lock<std::mutex> lock(wakeLock);
    wakeSignal.wait_for(lock, std::chrono::milliseconds(wait), [this] { return woken; });
    woken = false;
}

void HeadlessBackend::WakeFromAnyThread() {
    {
        std::lock_guard<std::mutex> lock(wakeLock);
        woken = true;
    }
    wakeSignal.notify_one();
}

void HeadlessBackend::Present(HWND topLevel, const RECT& dirty) {
    Record(topLevel, dirty);
}

void HeadlessBackend::SystemPaletteChanged() {
    for (auto& [window, frame] : Framebuffers()) {
        Record(window, RECT{0, 0, frame.Width(), frame.Height()});
    }
}

void HeadlessBackend::Record(HWND topLevel, const RECT& area) {
    ++presentCount;
    presents.push_back({topLevel, area});
    if (presents.size() > kKeptPresents) presents.pop_front();
}

void HeadlessBackend::ForgetPresents() {
    presentCount = 0;
    presents.clear();
}

} // namespace platform
