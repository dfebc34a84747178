#include "CDataExchange.h"

#include "CWnd.h"

void DDX_Control(CDataExchange* dx, int id, CWnd& control)
{
    if (control.m_hWnd) return;
    HWND child = ::GetDlgItem(dx->m_pDlgWnd->m_hWnd, id);
    if (child) control.SubclassWindow(child);
}
