// The current user's registry file: $LUMARIS_REGISTRY when set, else
// $XDG_CONFIG_HOME/lumaris/registry.reg (default ~/.config/lumaris/registry.reg).
#pragma once

#include <functional>
#include <string>

#include "platform/advapi32/key_tree.h"
#include "platform/include/windef.h"

namespace platform::registry {

// Empty when no location can be worked out.
std::string RegistryFilePath();

// The registry as the file holds it now. A missing file is an empty registry; a damaged or
// unreadable one is kept aside under a new name, with a warning on standard error, and
// also reads as empty.
Tree LoadRegistry();

// Read-modify-write under an exclusive lock, so concurrent writers each keep what they
// wrote: re-reads the file, lets `change` edit the tree (it returns whether it changed
// anything) and replaces the file atomically. Returns ERROR_SUCCESS or the failure.
LONG UpdateRegistry(const std::function<bool(Tree&)>& change);

} // namespace platform::registry
