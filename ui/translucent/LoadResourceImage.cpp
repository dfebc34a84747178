#include "LoadResourceImage.h"

#include <cstring>

#include "framework/CHandle.h"
#include "framework/CWinApp.h"

namespace {

Gdiplus::Image* LoadBitmapImage(UINT id, HINSTANCE module)
{
    CBitmapHandle bitmap(::LoadBitmapW(module, MAKEINTRESOURCEW(id)));
    if (!bitmap) return new Gdiplus::Bitmap(static_cast<IStream*>(nullptr));
    return new Gdiplus::Bitmap(bitmap.Get(), nullptr);
}

// A stream over a private copy of the resource's bytes. The stream frees the
// copy when its last reference goes, which is when the image lets go of it.
IStream* StreamOverCopy(const void* bytes, DWORD size)
{
    CGlobalMemory block(::GlobalAlloc(GMEM_MOVEABLE, size ? size : 1));
    if (!block) return nullptr;
    void* target = ::GlobalLock(block.Get());
    if (!target) return nullptr;
    std::memcpy(target, bytes, size);
    ::GlobalUnlock(block.Get());
    IStream* stream = nullptr;
    if (FAILED(::CreateStreamOnHGlobal(block.Get(), TRUE, &stream))) return nullptr;
    block.Release();
    ULARGE_INTEGER exact{};
    exact.QuadPart = size;
    stream->SetSize(exact);
    return stream;
}

}  // namespace

Gdiplus::Image* LoadResourceImage(UINT id, LPCWSTR type, HINSTANCE module)
{
    id = LOWORD(id);
    if (type == RT_BITMAP) return LoadBitmapImage(id, module);
    if (!module) module = AfxGetResourceHandle();

    IStream* stream = nullptr;
    if (HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(id), type)) {
        DWORD size = ::SizeofResource(module, found);
        HGLOBAL loaded = ::LoadResource(module, found);
        if (const void* bytes = loaded ? ::LockResource(loaded) : nullptr) stream = StreamOverCopy(bytes, size);
        ::FreeResource(loaded);
    }
    auto* image = new Gdiplus::Image(stream, FALSE);
    if (stream) stream->Release();
    return image;
}
