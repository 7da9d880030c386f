// Win32's movable memory blocks, as printer settings travel in them (DEVMODE, DEVNAMES): a
// handle whose block GlobalLock gives. Blocks are never moved here, so locking only counts.
#pragma once

#include "platform/core/WinTypes.h"

#include <cstddef>

struct HGLOBAL__;
typedef HGLOBAL__* HGLOBAL;

#define GMEM_FIXED 0x0000
#define GMEM_MOVEABLE 0x0002
#define GMEM_ZEROINIT 0x0040
#define GHND (GMEM_MOVEABLE | GMEM_ZEROINIT)

// A block of bytes, zeroed; null for 0 bytes or when memory runs out.
HGLOBAL GlobalAlloc(UINT flags, size_t bytes);
// The block; null for a null handle.
void* GlobalLock(HGLOBAL memory);
BOOL GlobalUnlock(HGLOBAL memory);
size_t GlobalSize(HGLOBAL memory);
// Null on success, else the handle.
HGLOBAL GlobalFree(HGLOBAL memory);
