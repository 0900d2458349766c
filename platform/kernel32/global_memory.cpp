// Global memory blocks over the C++ heap. Every live block is registered, so calls on a
// handle that is not (or no longer) a block fail instead of touching freed memory.
#include <cstdlib>
#include <cstring>
#include <unordered_map>

#include "platform/kernel32/global_memory.h"
#include "platform/win32.h"

namespace {

struct Block {
    void* data;
    SIZE_T size;
    bool moveable;
    int lockCount;
};

struct MemoryState {
    std::unordered_map<HGLOBAL, Block> blocks;
    platform::MemoryFault allocFault = nullptr;
    platform::MemoryFault lockFault = nullptr;
};

MemoryState& State() {
    static MemoryState state;
    return state;
}

Block* FindBlock(HGLOBAL handle) {
    auto found = State().blocks.find(handle);
    return found == State().blocks.end() ? nullptr : &found->second;
}

bool Fails(platform::MemoryFault fault) {
    return fault && fault();
}

// A movable block needs a handle distinct from its address; a small heap cell serves.
HGLOBAL NewMoveableHandle() {
    return std::malloc(1);
}

} // namespace

HGLOBAL WINAPI GlobalAlloc(UINT uFlags, SIZE_T dwBytes) {
    if (Fails(State().allocFault)) return nullptr;
    // Zero bytes still get a distinct address, as the handle of a fixed block is its address.
    SIZE_T allocated = dwBytes ? dwBytes : 1;
    void* data = (uFlags & GMEM_ZEROINIT) ? std::calloc(1, allocated) : std::malloc(allocated);
    if (!data) return nullptr;
    bool moveable = (uFlags & GMEM_MOVEABLE) != 0;
    HGLOBAL handle = moveable ? NewMoveableHandle() : data;
    if (!handle) {
        std::free(data);
        return nullptr;
    }
    State().blocks[handle] = Block{data, dwBytes, moveable, 0};
    return handle;
}

LPVOID WINAPI GlobalLock(HGLOBAL hMem) {
    Block* block = FindBlock(hMem);
    if (!block || Fails(State().lockFault)) return nullptr;
    if (block->moveable) ++block->lockCount;
    return block->data;
}

BOOL WINAPI GlobalUnlock(HGLOBAL hMem) {
    Block* block = FindBlock(hMem);
    if (!block || block->lockCount == 0) return FALSE;
    return --block->lockCount > 0;
}

HGLOBAL WINAPI GlobalFree(HGLOBAL hMem) {
    Block* block = FindBlock(hMem);
    if (!block) return hMem;
    std::free(block->data);
    if (block->moveable) std::free(hMem);
    State().blocks.erase(hMem);
    return nullptr;
}

SIZE_T WINAPI GlobalSize(HGLOBAL hMem) {
    Block* block = FindBlock(hMem);
    return block ? block->size : 0;
}

namespace platform {

void SetGlobalAllocFault(MemoryFault fault) {
    State().allocFault = fault;
}

void SetGlobalLockFault(MemoryFault fault) {
    State().lockFault = fault;
}

std::size_t LiveGlobalBlockCount() {
    return State().blocks.size();
}

} // namespace platform
