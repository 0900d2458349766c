// The test controls of platform/testing/memory.h: counted failures behind the memory faults.
#include "platform/kernel32/global_memory.h"
#include "platform/testing/memory.h"

namespace platform::testing {
namespace {

int allocFailures = 0;
int lockFailures = 0;

bool TakeFailure(int& failures) {
    if (failures <= 0) return false;
    --failures;
    return true;
}

bool AllocFails() {
    return TakeFailure(allocFailures);
}

bool LockFails() {
    return TakeFailure(lockFailures);
}

} // namespace

void FailNextGlobalAllocs(int count) {
    allocFailures = count;
    SetGlobalAllocFault(AllocFails);
}

void FailNextGlobalLocks(int count) {
    lockFailures = count;
    SetGlobalLockFault(LockFails);
}

std::size_t LiveGlobalBlocks() {
    return LiveGlobalBlockCount();
}

} // namespace platform::testing
