#pragma once
#include "CComPtr.h"
#include "CDialog.h"

// A dialog that hosts web browser controls. Every ActiveX control on its
// template gets a CBrowserControlSite, through which pages reach the
// dialog's external object (window.external).
class CDHtmlDialog : public CDialog {
    DECLARE_DYNAMIC(CDHtmlDialog)
public:
    CDHtmlDialog(UINT templateId, UINT htmlResId, CWnd* parent = nullptr);

    // The object pages see as window.external; holds its own reference.
    void SetExternalDispatch(IDispatch* external);
    // The external object for a page that asks, when access is allowed.
    virtual HRESULT GetExternal(IDispatch** external);
    // Without a zone check of its own, access is granted only where the
    // derived class declares its external object safe for every page.
    virtual BOOL CanAccessExternal();
    virtual BOOL IsExternalDispatchSafe();

    UINT m_nHtmlResID = 0;

protected:
    COleControlSite* CreateControlSite() override;

    DECLARE_MESSAGE_MAP()

private:
    CComPtr<IDispatch> m_spExternalDisp;
};
