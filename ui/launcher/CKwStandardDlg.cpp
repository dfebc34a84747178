#include "CKwStandardDlg.h"

#include <shellapi.h>

#include "app/ConfigFile.h"
#include "app/DefaultAddresses.h"
#include "framework/CComPtr.h"
#include "framework/CWinApp.h"
#include "res/resource.h"

IMPLEMENT_DYNAMIC(CKwStandardDlg, CStandardDialog)

BEGIN_MESSAGE_MAP(CKwStandardDlg, CStandardDialog)
    ON_COMMAND(IDC_HOME, &CKwStandardDlg::OnHome)
    ON_COMMAND(IDC_CLOSE_BUTTON, &CKwStandardDlg::OnCloseLauncher)
    ON_COMMAND(IDC_RECHARGE, &CKwStandardDlg::OnRecharge)
    ON_COMMAND(IDC_SERVICE, &CKwStandardDlg::OnService)
    ON_COMMAND(IDC_FORUM, &CKwStandardDlg::OnForum)
    ON_WM_DESTROY()
    ON_WM_CLOSE()
    ON_COMMAND(IDC_MINIMIZE_BUTTON, &CKwStandardDlg::OnMinimize)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

BEGIN_DISPATCH_MAP(CKwStandardDlg, CStandardDialog)
END_DISPATCH_MAP()

namespace {
constexpr COLORREF kPanelKey = 0x0000FF00;
constexpr COLORREF kAdvisoryText = 0x0076899A;
constexpr COLORREF kAdvisoryBackground = 0x00121A27;
}  // namespace

CKwStandardDlg::CKwStandardDlg(CWnd* parent) : CStandardDialog(IDD_LAUNCHER_PANEL, kPanelKey, parent)
{
    EnableAutomation();
}

CKwStandardDlg::~CKwStandardDlg() = default;

void CKwStandardDlg::DoDataExchange(CDataExchange* dx)
{
    DDX_Control(dx, IDC_BROWSER, m_browser);
    DDX_Control(dx, IDC_CLOSE_BUTTON, m_closeButton);
    DDX_Control(dx, IDC_MINIMIZE_BUTTON, m_minimizeButton);
    DDX_Control(dx, IDC_STATIC, m_advisoryText);
}

BOOL CKwStandardDlg::OnInitDialog()
{
    CStandardDialog::OnInitDialog();
    std::wstring launcherPage = ReadConfigValueOr(L"client_web", defaults::kClientWeb);

    // The bridge must be there before the page's first load.
    CComPtr<IDispatch> external;
    external.Attach(GetIDispatch(TRUE));
    SetExternalDispatch(external);

    m_browser.MoveWindow(445, 147, 717, 447, TRUE);
    m_browser.Navigate(launcherPage.c_str());
    m_browser.put_Silent(TRUE);

    m_minimizeButton.SetImage(IDB_MINIMIZE_NORMAL, IDB_MINIMIZE_HOT, 0);
    m_minimizeButton.m_bTransparent = TRUE;
    m_minimizeButton.MoveWindow(1117, 105, 28, 28, TRUE);
    m_closeButton.SetImage(IDB_CLOSE_NORMAL, IDB_CLOSE_HOT, 0);
    m_closeButton.m_bTransparent = TRUE;
    m_closeButton.MoveWindow(1145, 105, 28, 28, TRUE);
    return TRUE;
}

void CKwStandardDlg::OnOK() {}

BOOL CKwStandardDlg::IsExternalDispatchSafe() { return TRUE; }

HBRUSH CKwStandardDlg::OnCtlColor(HDC dc, HWND control, UINT ctlColor)
{
    HBRUSH brush = CStandardDialog::OnCtlColor(dc, control, ctlColor);
    if (::GetDlgCtrlID(control) != IDC_STATIC) return brush;
    ::SetTextColor(dc, kAdvisoryText);
    ::SetBkMode(dc, OPAQUE);
    ::SetBkColor(dc, kAdvisoryBackground);
    if (!m_advisoryBrush.GetSafeHandle()) m_advisoryBrush.CreateSolidBrush(kAdvisoryBackground);
    return m_advisoryBrush;
}

void CKwStandardDlg::OpenConfiguredPage(const wchar_t* key, const wchar_t* fallback)
{
    std::wstring address = ReadConfigValueOr(key, fallback);
    ::ShellExecuteW(nullptr, L"open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void CKwStandardDlg::OnHome() { OpenConfiguredPage(L"home_url", defaults::kHome); }
void CKwStandardDlg::OnRecharge() { OpenConfiguredPage(L"recharge_url", defaults::kRecharge); }
void CKwStandardDlg::OnService() { OpenConfiguredPage(L"service_url", defaults::kService); }
void CKwStandardDlg::OnForum() { OpenConfiguredPage(L"forum_url", defaults::kForum); }

void CKwStandardDlg::OnCloseLauncher()
{
    if (CWnd* main = AfxGetMainWnd()) ::SendMessageW(main->m_hWnd, WM_CLOSE, 0, 0);
}

void CKwStandardDlg::OnMinimize()
{
    ShowWindow(SW_MINIMIZE);
    if (CWnd* main = AfxGetMainWnd()) main->ShowWindow(SW_MINIMIZE);
}

void CKwStandardDlg::OnDestroy() { CDHtmlDialog::OnDestroy(); }

void CKwStandardDlg::OnClose() { Default(); }
