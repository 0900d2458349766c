// The engine's reports shown since the last look, as "caption/text" lines.
#pragma once

#include "platform/testing/message_boxes.h"

#include <string>
#include <vector>

inline std::vector<std::string> ShownReports() {
    std::vector<std::string> shown;
    for (const auto& box : platform::testing::TakeMessageBoxes())
        shown.push_back(box.caption + "/" + box.text);
    return shown;
}
