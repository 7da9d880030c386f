#include "platform/core/WinGlobalMemory.h"

#include <new>
#include <vector>

struct HGLOBAL__ {
    std::vector<unsigned char> bytes;
    int locks = 0;
};

HGLOBAL GlobalAlloc(UINT, size_t bytes)
{
    if (bytes == 0)
        return nullptr;
    auto* memory = new (std::nothrow) HGLOBAL__;
    if (!memory)
        return nullptr;
    try {
        memory->bytes.assign(bytes, 0);
    } catch (const std::bad_alloc&) {
        delete memory;
        return nullptr;
    }
    return memory;
}

void* GlobalLock(HGLOBAL memory)
{
    if (!memory)
        return nullptr;
    ++memory->locks;
    return memory->bytes.data();
}

BOOL GlobalUnlock(HGLOBAL memory)
{
    if (!memory || memory->locks == 0)
        return FALSE;
    return --memory->locks > 0;
}

size_t GlobalSize(HGLOBAL memory) { return memory ? memory->bytes.size() : 0; }

HGLOBAL GlobalFree(HGLOBAL memory)
{
    delete memory;
    return nullptr;
}
