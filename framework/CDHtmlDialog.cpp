#include "CDHtmlDialog.h"

#include "CBrowserControlSite.h"

IMPLEMENT_DYNAMIC(CDHtmlDialog, CDialog)

BEGIN_MESSAGE_MAP(CDHtmlDialog, CDialog)
END_MESSAGE_MAP()

CDHtmlDialog::CDHtmlDialog(UINT templateId, UINT htmlResId, CWnd* parent)
    : CDialog(templateId, parent), m_nHtmlResID(htmlResId)
{
}

void CDHtmlDialog::SetExternalDispatch(IDispatch* external) { m_spExternalDisp = external; }

HRESULT CDHtmlDialog::GetExternal(IDispatch** external)
{
    if (!external) return E_POINTER;
    *external = nullptr;
    if (!m_spExternalDisp || !CanAccessExternal()) return S_FALSE;
    *external = m_spExternalDisp;
    (*external)->AddRef();
    return S_OK;
}

BOOL CDHtmlDialog::CanAccessExternal() { return IsExternalDispatchSafe(); }

BOOL CDHtmlDialog::IsExternalDispatchSafe() { return FALSE; }

COleControlSite* CDHtmlDialog::CreateControlSite() { return new CBrowserControlSite(m_hWnd); }
