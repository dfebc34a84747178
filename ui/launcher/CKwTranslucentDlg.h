#pragma once
#include "ui/translucent/CTranslucentDialog.h"

// The launcher's main window: the background artwork as a translucent dialog.
class CKwTranslucentDlg : public CTranslucentDialog {
    DECLARE_DYNAMIC(CKwTranslucentDlg)
public:
    CKwTranslucentDlg(UINT imageId, LPCWSTR imageType, HINSTANCE imageModule, CWnd* parent);
    ~CKwTranslucentDlg() override;

protected:
    CStandardDialog* CreateCompanionDialog() override;
    void OnBeforeFirstRender() override;
};
