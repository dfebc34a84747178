#pragma once
#include <vector>

#include "CDataExchange.h"
#include "CWnd.h"
#include "DialogTemplate.h"

class COleControlSite;

// A dialog created from a resource template, run modally on the framework's
// own loop (DoModal) or modeless (Create).
class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog() = default;
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);

    virtual INT_PTR DoModal();
    BOOL Create(UINT templateId, CWnd* parent = nullptr);
    BOOL Create(LPCWSTR templateName, CWnd* parent = nullptr);
    void EndDialog(int result);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange* dx);

    BOOL PreTranslateMessage(MSG* msg) override;

    LPCWSTR m_lpszTemplateName = nullptr;
    UINT m_nIDHelp = 0;
    CWnd* m_pParentWnd = nullptr;

protected:
    // Creates the dialog window from a template and binds it to this object.
    virtual HWND CreateFromTemplate(HINSTANCE module, LPCWSTR templateName, HWND parent);
    // Sends the template's DLGINIT records to their controls.
    BOOL ExecuteDlgInit(LPCWSTR templateName);
    // A new site for one ActiveX control of the template; the site's window
    // owns it once created.
    virtual COleControlSite* CreateControlSite();
    // Creates the template's ActiveX controls, before OnInitDialog runs.
    void CreateDlgControls();
    // Runs until the dialog ends, its window goes away or WM_QUIT arrives.
    int RunModalLoop();
    bool ContinueModal() const;

    std::vector<DialogControlItem> m_controlItems;
    bool m_bModalRunning = false;
    INT_PTR m_nModalResult = -1;

    DECLARE_MESSAGE_MAP()

private:
    LRESULT HandleInitDialog(WPARAM, LPARAM);
};
