#include "CStandardDialog.h"

#include "LayeredWindowApi.h"

IMPLEMENT_DYNAMIC(CStandardDialog, CDialog)

BEGIN_MESSAGE_MAP(CStandardDialog, CDialog)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CStandardDialog::CStandardDialog(UINT templateId, COLORREF colorKey, CWnd* parent)
    : CDHtmlDialog(templateId, 0, parent), m_colorKey(colorKey)
{
}

CStandardDialog::~CStandardDialog() { m_brushKey.DeleteObject(); }

void CStandardDialog::CreateAndShow()
{
    Create(m_lpszTemplateName, m_pParentWnd);
    ::ShowWindow(m_hWnd, SW_SHOW);
}

BOOL CStandardDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_brushKey.Attach(::CreateSolidBrush(m_colorKey));
    ::SetWindowLongW(m_hWnd, GWL_EXSTYLE, ::GetWindowLongW(m_hWnd, GWL_EXSTYLE) | WS_EX_LAYERED);
    CallSetLayeredWindowAttributes(m_hWnd, m_colorKey, 0, LWA_COLORKEY);
    return TRUE;
}

HBRUSH CStandardDialog::OnCtlColor(HDC dc, HWND control, UINT ctlColor)
{
    if (ctlColor == CTLCOLOR_DLG) return m_brushKey.GetSafeHandle();
    return CWnd::OnCtlColor(dc, control, ctlColor);
}

void CStandardDialog::CloseOwner()
{
    // GetParent of an owned pop-up is its owner.
    if (HWND owner = ::GetParent(m_hWnd)) ::SendMessageW(owner, WM_CLOSE, 0, 0);
}

void CStandardDialog::OnOK()
{
    CloseOwner();
    CDialog::OnOK();
}

void CStandardDialog::OnCancel()
{
    CloseOwner();
    CDialog::OnCancel();
}
