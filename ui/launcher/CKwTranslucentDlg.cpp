#include "CKwTranslucentDlg.h"

#include "res/resource.h"
#include "ui/translucent/CStandardDialog.h"

IMPLEMENT_DYNAMIC(CKwTranslucentDlg, CDialog)

CKwTranslucentDlg::CKwTranslucentDlg(UINT imageId, LPCWSTR imageType, HINSTANCE imageModule, CWnd* parent)
    : CTranslucentDialog(IDD_LAUNCHER_BACKGROUND, imageId, imageType, imageModule, parent)
{
}

CKwTranslucentDlg::~CKwTranslucentDlg() = default;

CStandardDialog* CKwTranslucentDlg::CreateCompanionDialog()
{
    // The launcher panel comes with the panel's own change; until then the
    // background runs alone.
    return nullptr;
}

void CKwTranslucentDlg::OnBeforeFirstRender() {}
