#include "CKwTranslucentDlg.h"

#include "res/resource.h"
#include "CKwStandardDlg.h"

IMPLEMENT_DYNAMIC(CKwTranslucentDlg, CDialog)

CKwTranslucentDlg::CKwTranslucentDlg(UINT imageId, LPCWSTR imageType, HINSTANCE imageModule, CWnd* parent)
    : CTranslucentDialog(IDD_LAUNCHER_BACKGROUND, imageId, imageType, imageModule, parent)
{
}

CKwTranslucentDlg::~CKwTranslucentDlg() = default;

CStandardDialog* CKwTranslucentDlg::CreateCompanionDialog()
{
    return new CKwStandardDlg(this);
}

void CKwTranslucentDlg::OnBeforeFirstRender() {}
