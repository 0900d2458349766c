// The thread's queue of posted messages and its pending quit request.
#pragma once
#include <cstddef>

#include "platform/user32/message/filter.h"

namespace platform {

void AppendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// For messages that must come next, ahead of everything already waiting (WM_CHAR).
void PrependMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The oldest posted message that matches, or the quit request once no matching message
// posted before it is left. False when there is neither.
bool TakePostedMessage(const MessageFilter& filter, bool remove, MSG* out);

// A window going away takes its waiting messages with it.
void DropMessagesFor(HWND window);
void ClearMessageQueue();
std::size_t QueuedMessageCount();

// Fills in the time and cursor position that every retrieved message carries.
MSG MakeMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace platform
