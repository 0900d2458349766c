// The test controls of platform/testing/registry.h.
#include "platform/host/posix/registry_file.h"
#include "platform/testing/registry.h"

namespace platform::testing {

long RegistryFileReads() {
    return registry::RegistryFileReadCount();
}

} // namespace platform::testing
