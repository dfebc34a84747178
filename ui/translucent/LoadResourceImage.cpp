#include "LoadResourceImage.h"

#include "framework/CComPtr.h"
#include "framework/CHandle.h"
#include "framework/CreateStreamOverBytes.h"
#include "framework/CWinApp.h"

namespace {

Gdiplus::Image* LoadBitmapImage(UINT id, HINSTANCE module)
{
    CBitmapHandle bitmap(::LoadBitmapW(module, MAKEINTRESOURCEW(id)));
    if (!bitmap) return new Gdiplus::Bitmap(static_cast<IStream*>(nullptr));
    return new Gdiplus::Bitmap(bitmap.Get(), nullptr);
}

}  // namespace

Gdiplus::Image* LoadResourceImage(UINT id, LPCWSTR type, HINSTANCE module)
{
    id = LOWORD(id);
    if (type == RT_BITMAP) return LoadBitmapImage(id, module);
    if (!module) module = AfxGetResourceHandle();

    CComPtr<IStream> stream;
    if (HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(id), type)) {
        DWORD size = ::SizeofResource(module, found);
        HGLOBAL loaded = ::LoadResource(module, found);
        if (const void* bytes = loaded ? ::LockResource(loaded) : nullptr) stream.Attach(CreateStreamOverBytes(bytes, size));
        ::FreeResource(loaded);
    }
    return new Gdiplus::Image(stream, FALSE);
}
