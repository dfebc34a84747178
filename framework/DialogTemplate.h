#pragma once
#include <windows.h>

// A dialog template resource, located and locked; the resource stays valid
// for the life of the module.
class DialogTemplate {
public:
    DialogTemplate(HINSTANCE module, LPCWSTR name);
    const DLGTEMPLATE* Get() const { return m_template; }
    DWORD Size() const { return m_size; }

private:
    const DLGTEMPLATE* m_template = nullptr;
    DWORD m_size = 0;
};
