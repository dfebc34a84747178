#pragma once
#include <windows.h>

#include <new>
#include <stdexcept>

// A failure carrying a COM status, reported to automation callers as such.
class COleException : public std::runtime_error {
public:
    explicit COleException(HRESULT status) : std::runtime_error("OLE operation failed"), m_sc(status) {}
    HRESULT m_sc;
};

// Out of memory; reported as E_OUTOFMEMORY.
class CMemoryException : public std::bad_alloc {
public:
    const char* what() const noexcept override { return "out of memory"; }
};

// Throws CMemoryException for E_OUTOFMEMORY, COleException otherwise.
[[noreturn]] inline void AfxThrowOleException(HRESULT status)
{
    if (status == E_OUTOFMEMORY) throw CMemoryException();
    throw COleException(status);
}
