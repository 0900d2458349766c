// Which keys are down, as input has reported them.
#pragma once
#include "platform/win32.h"

namespace platform {

bool IsKeyDown(UINT virtualKey);
// Records a press or release; returns whether the key was down before.
bool RecordKey(UINT virtualKey, bool down);
// A key message was retrieved: GetKeyState follows it.
void NoteRetrievedMessage(const MSG& msg);
void ResetKeyboardState();

} // namespace platform
