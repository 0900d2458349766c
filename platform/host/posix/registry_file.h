// The current user's registry file: $LUMARIS_REGISTRY when set, else
// $XDG_CONFIG_HOME/lumaris/registry.reg (default ~/.config/lumaris/registry.reg). A symbolic
// link there is followed: its target is read and replaced, the link stays.
#pragma once

#include <functional>
#include <string>

#include "platform/advapi32/key_tree.h"
#include "platform/advapi32/text_form.h"
#include "platform/include/windef.h"

namespace platform::registry {

// Empty when no location can be worked out.
std::string RegistryFilePath();

// Hands the registry as the file holds it now to `visitor`, reading the file once. A
// missing file is an empty registry; a damaged or unreadable one is kept aside under a new
// name, with a warning on standard error, and also reads as empty. A folder (or anything
// else that is no plain file) in its place is left alone and reads as empty, with a
// warning. A warning is given once per process.
void VisitRegistry(TextVisitor& visitor);

// Read-modify-write under an exclusive lock, so concurrent writers each keep what they
// wrote: re-reads the file, lets `change` edit the tree (it returns whether it changed
// anything) and replaces the file atomically. Returns ERROR_SUCCESS or the failure, which
// is also reported on standard error with its reason.
LONG UpdateRegistry(const std::function<bool(Tree&)>& change);

// Readings of the file so far, for the test controls.
long RegistryFileReadCount();

} // namespace platform::registry
