#pragma once
#include <windows.h>
#include <oleauto.h>

// A BSTR owned for its scope.
class CBstr {
public:
    CBstr() = default;
    explicit CBstr(const wchar_t* text) : m_str(text ? ::SysAllocString(text) : nullptr) {}
    ~CBstr() { ::SysFreeString(m_str); }
    CBstr(const CBstr&) = delete;
    CBstr& operator=(const CBstr&) = delete;
    BSTR Get() const { return m_str; }
    BSTR* operator&()
    {
        ::SysFreeString(m_str);
        m_str = nullptr;
        return &m_str;
    }

private:
    BSTR m_str = nullptr;
};
