#include "CTranslucentApp.h"

#include "framework/ControlContainer.h"
#include "res/resource.h"
#include "ui/launcher/CKwTranslucentDlg.h"

BEGIN_MESSAGE_MAP(CTranslucentApp, CWinApp)
    ON_COMMAND(ID_HELP, &CWinApp::OnHelp)
END_MESSAGE_MAP()

CTranslucentApp theApp;

CTranslucentApp::CTranslucentApp() { m_dwRestartManagerSupportFlags = 0; }

BOOL CTranslucentApp::InitInstance()
{
    CWinApp::InitInstance();
    AfxEnableControlContainer();

    Gdiplus::GdiplusStartupInput input;  // version 1, no callback, thread and codecs on
    Gdiplus::GdiplusStartup(&m_gdiplusToken, &input, nullptr);

    {
        CKwTranslucentDlg launcher(IDB_LAUNCHER_BACKGROUND, L"PNG", nullptr, nullptr);
        m_pMainWnd = &launcher;
        launcher.DoModal();
    }
    return FALSE;
}

int CTranslucentApp::ExitInstance()
{
    Gdiplus::GdiplusShutdown(m_gdiplusToken);
    m_gdiplusToken = 0;
    return CWinApp::ExitInstance();
}
