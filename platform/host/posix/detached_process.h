// Starting a program that lives on by itself: the caller neither waits for it nor has to
// collect its exit.
#pragma once
#include <string>
#include <vector>

namespace platform {

// Runs arguments[0] (looked up along PATH) with the arguments, without a shell, in a
// grandchild that the init process adopts. True once the program is running; false when
// it cannot be found or started.
bool StartDetached(const std::vector<std::string>& arguments);

} // namespace platform
