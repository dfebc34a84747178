#pragma once
#include <windows.h>

// Selects a GDI object into a device context and restores the previous one.
class CSelectObject {
public:
    CSelectObject(HDC dc, HGDIOBJ object) : m_hDC(dc), m_hPrevious(::SelectObject(dc, object)) {}
    ~CSelectObject()
    {
        if (m_hPrevious) ::SelectObject(m_hDC, m_hPrevious);
    }
    CSelectObject(const CSelectObject&) = delete;
    CSelectObject& operator=(const CSelectObject&) = delete;

private:
    HDC m_hDC;
    HGDIOBJ m_hPrevious;
};
