// A backend named by an environment variable, the same way for every kind of backend.
#pragma once

namespace platform {

// True when the variable names `first`, false when it names `second`; unset or empty gives
// the fallback, and so does any other value, which is reported on standard error.
bool EnvironmentChooses(const char* variable, const char* first, const char* second, bool fallback);

} // namespace platform
