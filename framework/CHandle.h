#pragma once
#include <windows.h>

#include <utility>

// Owns one handle and closes it with its traits' Close. Move-only.
template <typename Traits>
class CHandle {
public:
    using Type = typename Traits::Type;

    CHandle() = default;
    explicit CHandle(Type handle) : m_handle(handle) {}
    ~CHandle() { Reset(); }
    CHandle(CHandle&& other) noexcept : m_handle(other.Release()) {}
    CHandle& operator=(CHandle&& other) noexcept
    {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    CHandle(const CHandle&) = delete;
    CHandle& operator=(const CHandle&) = delete;

    Type Get() const { return m_handle; }
    explicit operator bool() const { return m_handle != Type{}; }
    Type Release() { return std::exchange(m_handle, Type{}); }
    void Reset(Type handle = Type{})
    {
        if (m_handle != Type{}) Traits::Close(m_handle);
        m_handle = handle;
    }

private:
    Type m_handle{};
};

template <typename T>
struct GdiObjectTraits {
    using Type = T;
    static void Close(T handle) { ::DeleteObject(handle); }
};
struct MemoryDCTraits {
    using Type = HDC;
    static void Close(HDC dc) { ::DeleteDC(dc); }
};
struct IconTraits {
    using Type = HICON;
    static void Close(HICON icon) { ::DestroyIcon(icon); }
};
struct GlobalMemoryTraits {
    using Type = HGLOBAL;
    static void Close(HGLOBAL memory) { ::GlobalFree(memory); }
};
struct LibraryTraits {
    using Type = HMODULE;
    static void Close(HMODULE module) { ::FreeLibrary(module); }
};
struct KernelHandleTraits {
    using Type = HANDLE;
    static void Close(HANDLE handle) { ::CloseHandle(handle); }
};

using CBitmapHandle = CHandle<GdiObjectTraits<HBITMAP>>;
using CBrushHandle = CHandle<GdiObjectTraits<HBRUSH>>;
using CMemoryDC = CHandle<MemoryDCTraits>;
using CIconHandle = CHandle<IconTraits>;
using CGlobalMemory = CHandle<GlobalMemoryTraits>;
using CLibrary = CHandle<LibraryTraits>;
using CKernelHandle = CHandle<KernelHandleTraits>;
