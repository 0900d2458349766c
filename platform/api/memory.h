// Win32 subset: global memory blocks (kernel32).
#pragma once
#include "platform/api/types.h"

typedef size_t SIZE_T;

#define GMEM_FIXED 0x0000
#define GMEM_MOVEABLE 0x0002
#define GMEM_ZEROINIT 0x0040
#define GMEM_SHARE 0x2000
#define GMEM_DDESHARE GMEM_SHARE
#define GHND (GMEM_MOVEABLE | GMEM_ZEROINIT)
#define GPTR (GMEM_FIXED | GMEM_ZEROINIT)

// A fixed block's handle is its address; a movable block's handle is not, and its address
// comes from GlobalLock.
HGLOBAL WINAPI GlobalAlloc(UINT uFlags, SIZE_T dwBytes);
LPVOID WINAPI GlobalLock(HGLOBAL hMem);
// Returns nonzero while the block stays locked.
BOOL WINAPI GlobalUnlock(HGLOBAL hMem);
// Returns null on success, the handle when it is not a live block.
HGLOBAL WINAPI GlobalFree(HGLOBAL hMem);
// 0 for a handle that is not a live block.
SIZE_T WINAPI GlobalSize(HGLOBAL hMem);
