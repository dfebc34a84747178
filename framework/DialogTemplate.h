#pragma once
#include <windows.h>

#include <string>
#include <vector>

// An ActiveX control named in a dialog template: the dialog creates it
// itself, since its class is a CLSID and not a window class.
struct DialogControlItem {
    UINT id;
    std::wstring clsid;
    RECT rect;  // dialog units
    DWORD style;
};

// A dialog template resource. With `extractControls`, items whose class is a
// CLSID string are taken out of the template (into Controls()) so that the
// dialog manager does not try to create them.
class DialogTemplate {
public:
    DialogTemplate(HINSTANCE module, LPCWSTR name, bool extractControls);
    const DLGTEMPLATE* Get() const;
    const std::vector<DialogControlItem>& Controls() const { return m_controls; }

private:
    void Extract();

    const BYTE* m_resource = nullptr;
    DWORD m_size = 0;
    std::vector<BYTE> m_converted;
    std::vector<DialogControlItem> m_controls;
};
