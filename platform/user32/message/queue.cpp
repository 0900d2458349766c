// Posted messages in order of posting. PostQuitMessage does not queue anything: it marks
// the point in the order after which the quit is reported, so messages posted before it are
// all delivered first and messages posted after it wait behind it.
#include "platform/user32/message/queue.h"

#include <algorithm>
#include <cstdint>
#include <deque>

#include "platform/user32/input/cursor_state.h"

namespace platform {
namespace {

struct QueuedMessage {
    MSG msg;
    int64_t order;
};

struct QuitRequest {
    bool pending = false;
    int exitCode = 0;
    int64_t order = 0;
};

struct MessageQueue {
    std::deque<QueuedMessage> messages;
    QuitRequest quit;
    int64_t nextOrder = 0;
};

MessageQueue& Queue() {
    static MessageQueue queue;
    return queue;
}

MSG QuitMessage(int exitCode) {
    return MakeMessage(nullptr, WM_QUIT, static_cast<WPARAM>(exitCode), 0);
}

bool TakeQuit(const MessageFilter& filter, bool remove, MSG* out) {
    QuitRequest& quit = Queue().quit;
    if (!quit.pending || !filter.AcceptsQuit()) return false;
    *out = QuitMessage(quit.exitCode);
    if (remove) quit.pending = false;
    return true;
}

} // namespace

MSG MakeMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    MSG msg{};
    msg.hwnd = window;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    msg.time = GetTickCount();
    msg.pt = CursorPosition();
    return msg;
}

void AppendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    MessageQueue& queue = Queue();
    queue.messages.push_back({MakeMessage(window, message, wParam, lParam), queue.nextOrder++});
}

void PrependMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    MessageQueue& queue = Queue();
    int64_t order = queue.messages.empty() ? queue.nextOrder : queue.messages.front().order;
    queue.messages.push_front({MakeMessage(window, message, wParam, lParam), order - 1});
}

bool TakePostedMessage(const MessageFilter& filter, bool remove, MSG* out) {
    MessageQueue& queue = Queue();
    auto found = std::find_if(queue.messages.begin(), queue.messages.end(), [&](const auto& m) {
        return filter.Matches(m.msg.hwnd, m.msg.message);
    });
    bool beforeQuit =
        found != queue.messages.end() && (!queue.quit.pending || found->order < queue.quit.order);
    if (!beforeQuit && TakeQuit(filter, remove, out)) return true;
    if (found == queue.messages.end()) return false;
    *out = found->msg;
    if (remove) queue.messages.erase(found);
    return true;
}

void DropMessagesFor(HWND window) {
    auto& messages = Queue().messages;
    messages.erase(std::remove_if(messages.begin(), messages.end(),
                                  [&](const auto& m) { return m.msg.hwnd == window; }),
                   messages.end());
}

void ClearMessageQueue() {
    Queue().messages.clear();
    Queue().quit = QuitRequest{};
}

std::size_t QueuedMessageCount() {
    return Queue().messages.size() + (Queue().quit.pending ? 1 : 0);
}

} // namespace platform

using namespace platform;

BOOL WINAPI PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (window && !IsWindow(window)) return FALSE;
    AppendMessage(window, message, wParam, lParam);
    return TRUE;
}

VOID WINAPI PostQuitMessage(int exitCode) {
    QuitRequest& quit = Queue().quit;
    if (!quit.pending) quit.order = Queue().nextOrder++;
    quit.pending = true;
    quit.exitCode = exitCode;
}
