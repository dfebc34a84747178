#include "CWinApp.h"

#include "CWnd.h"
#include "ControlContainer.h"

IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
END_MESSAGE_MAP()

namespace {
CWinApp* g_pApp = nullptr;
HINSTANCE g_hResources = nullptr;
}  // namespace

CWinApp::CWinApp(LPCWSTR appName) : m_pszAppName(appName)
{
    g_pApp = this;
    m_hInstance = ::GetModuleHandleW(nullptr);
}

CWinApp::~CWinApp()
{
    if (g_pApp == this) g_pApp = nullptr;
}

BOOL CWinApp::InitInstance()
{
    if (!m_pszAppName) {
        // Derived from the executable's name, without folder and extension.
        wchar_t path[MAX_PATH] = {};
        ::GetModuleFileNameW(nullptr, path, MAX_PATH);
        wchar_t name[_MAX_FNAME] = {};
        _wsplitpath_s(path, nullptr, 0, nullptr, 0, name, _MAX_FNAME, nullptr, 0);
        lstrcpynW(m_szDerivedName, name, MAX_PATH);
        m_pszAppName = m_szDerivedName;
    }
    return TRUE;
}

int CWinApp::ExitInstance() { return static_cast<int>(m_msgCur.wParam); }

int CWinApp::Run()
{
    while (::GetMessageW(&m_msgCur, nullptr, 0, 0) > 0) {
        if (!AfxPreTranslateMessage(&m_msgCur, nullptr)) {
            ::TranslateMessage(&m_msgCur);
            ::DispatchMessageW(&m_msgCur);
        }
    }
    return ExitInstance();
}

void CWinApp::OnHelp()
{
    // No help file ships with the program: the window in front may answer
    // WM_COMMANDHELP itself, and otherwise nothing happens.
    HWND target = ::GetActiveWindow();
    if (!target && m_pMainWnd) target = m_pMainWnd->m_hWnd;
    if (target) ::SendMessageW(target, WM_COMMANDHELP, 0, 0);
}

CWinApp* AfxGetApp() { return g_pApp; }
CWnd* AfxGetMainWnd() { return g_pApp ? g_pApp->m_pMainWnd : nullptr; }
HINSTANCE AfxGetInstanceHandle() { return ::GetModuleHandleW(nullptr); }
HINSTANCE AfxGetResourceHandle() { return g_hResources ? g_hResources : AfxGetInstanceHandle(); }
void AfxSetResourceHandle(HINSTANCE resources) { g_hResources = resources; }

int AfxWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int)
{
    CWinApp* app = AfxGetApp();
    if (!app) return -1;
    app->m_hInstance = instance;
    int exitCode = app->InitInstance() ? app->Run() : app->ExitInstance();
    AfxControlContainerTerm();
    return exitCode;
}
