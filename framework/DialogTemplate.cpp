#include "DialogTemplate.h"

DialogTemplate::DialogTemplate(HINSTANCE module, LPCWSTR name)
{
    HRSRC found = ::FindResourceW(module, name, MAKEINTRESOURCEW(5) /* RT_DIALOG */);
    if (!found) return;
    m_size = ::SizeofResource(module, found);
    m_template = static_cast<const DLGTEMPLATE*>(::LockResource(::LoadResource(module, found)));
}
