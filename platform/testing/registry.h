// Test controls of the registry provision.
#pragma once

namespace platform::testing {

// How often the registry file has been read in this process, so tests can hold each call to
// one reading.
long RegistryFileReads();

} // namespace platform::testing
