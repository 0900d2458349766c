// The list of recorded message boxes, shared by the test controls of our provision and of the
// real Win32.
#pragma once
#include "platform/testing/message_boxes.h"

namespace platform::testing {

void RecordMessageBox(RecordedMessageBox box);

} // namespace platform::testing
