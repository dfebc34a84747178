#pragma once
#include "framework/CBrush.h"
#include "framework/CMFCButton.h"
#include "framework/CStatic.h"
#include "ui/browser/CWebBrowser2.h"
#include "ui/translucent/CStandardDialog.h"

// The launcher panel laid over the background: the launcher page in a
// browser, minimise and close buttons, the advisory strip, and commands
// that open the operator's pages in the default browser.
class CKwStandardDlg : public CStandardDialog {
    DECLARE_DYNAMIC(CKwStandardDlg)
public:
    explicit CKwStandardDlg(CWnd* parent);
    ~CKwStandardDlg() override;

    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL IsExternalDispatchSafe() override;
    virtual HBRUSH OnCtlColor(HDC dc, HWND control, UINT ctlColor);

protected:
    void DoDataExchange(CDataExchange* dx) override;

    void OnHome();
    void OnCloseLauncher();
    void OnRecharge();
    void OnService();
    void OnForum();
    void OnDestroy();
    void OnClose();
    void OnMinimize();

    CWebBrowser2 m_browser;
    CMFCButton m_closeButton;
    CMFCButton m_minimizeButton;
    CStatic m_advisoryText;

    DECLARE_MESSAGE_MAP()
    DECLARE_DISPATCH_MAP()

private:
    static void OpenConfiguredPage(const wchar_t* key, const wchar_t* fallback);
    CBrush m_advisoryBrush;
};
