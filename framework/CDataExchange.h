#pragma once
#include <windows.h>

class CWnd;

// Direction and dialog of one data transfer between a dialog and its members.
class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate) : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}
    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
};

// Binds `control` to the dialog's child `id` the first time it runs.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
