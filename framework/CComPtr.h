#pragma once
#include <windows.h>
#include <unknwn.h>

#include <utility>

// Holds one reference to a COM interface.
template <typename T>
class CComPtr {
public:
    CComPtr() = default;
    CComPtr(T* p) : m_p(p)  // NOLINT: adds a reference, as assignment from a raw pointer does
    {
        if (m_p) m_p->AddRef();
    }
    CComPtr(const CComPtr& other) : CComPtr(other.m_p) {}
    CComPtr(CComPtr&& other) noexcept : m_p(std::exchange(other.m_p, nullptr)) {}
    ~CComPtr() { Release(); }
    CComPtr& operator=(CComPtr other) noexcept
    {
        std::swap(m_p, other.m_p);
        return *this;
    }

    // Takes over a reference the caller already holds.
    void Attach(T* p)
    {
        Release();
        m_p = p;
    }
    T* Detach() { return std::exchange(m_p, nullptr); }
    void Release()
    {
        if (T* p = std::exchange(m_p, nullptr)) p->Release();
    }
    T** operator&()
    {
        Release();
        return &m_p;
    }
    T* operator->() const { return m_p; }
    T* Get() const { return m_p; }
    operator T*() const { return m_p; }

    template <typename Q>
    HRESULT QueryInterface(CComPtr<Q>& out) const
    {
        return m_p ? m_p->QueryInterface(__uuidof(Q), reinterpret_cast<void**>(&out)) : E_POINTER;
    }

private:
    T* m_p = nullptr;
};
