#include "CreateStreamOverBytes.h"

#include <cstring>

#include "CHandle.h"

IStream* CreateStreamOverBytes(const void* bytes, ULONG size)
{
    CGlobalMemory block(::GlobalAlloc(GMEM_MOVEABLE, size ? size : 1));
    if (!block) return nullptr;
    void* target = ::GlobalLock(block.Get());
    if (!target) return nullptr;
    if (size) std::memcpy(target, bytes, size);
    ::GlobalUnlock(block.Get());
    IStream* stream = nullptr;
    if (FAILED(::CreateStreamOnHGlobal(block.Get(), TRUE, &stream))) return nullptr;
    block.Release();
    ULARGE_INTEGER exact{};
    exact.QuadPart = size;
    stream->SetSize(exact);
    return stream;
}
