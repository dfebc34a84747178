#include "LayeredWindowApi.h"

#include "framework/CHandle.h"

namespace {

template <typename Function, typename... Args>
bool CallUser32(const char* name, Args... args)
{
    CLibrary user32(::LoadLibraryW(L"User32.DLL"));
    if (!user32) return false;
    auto entry = reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(user32.Get(), name)));
    if (!entry) return false;
    entry(args...);
    return true;
}

}  // namespace

bool CallUpdateLayeredWindow(HWND hWnd, HDC screen, POINT* destination, SIZE* size, HDC source,
                             POINT* sourcePoint, COLORREF key, BLENDFUNCTION* blend, DWORD flags)
{
    using Fn = BOOL(WINAPI*)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF, BLENDFUNCTION*, DWORD);
    return CallUser32<Fn>("UpdateLayeredWindow", hWnd, screen, destination, size, source, sourcePoint, key,
                          blend, flags);
}

bool CallSetLayeredWindowAttributes(HWND hWnd, COLORREF key, BYTE alpha, DWORD flags)
{
    using Fn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
    return CallUser32<Fn>("SetLayeredWindowAttributes", hWnd, key, alpha, flags);
}
