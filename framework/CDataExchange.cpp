#include "CDataExchange.h"

#include "COleControlSite.h"
#include "CWnd.h"

void DDX_Control(CDataExchange* dx, int id, CWnd& control)
{
    if (control.m_hWnd) return;
    HWND child = ::GetDlgItem(dx->m_pDlgWnd->m_hWnd, id);
    if (!child) return;
    // A control site keeps its own window procedure, which tears the control
    // down when the window goes, bound or not.
    if (COleControlSite::FromWindow(child))
        control.Attach(child);
    else
        control.SubclassWindow(child);
}
