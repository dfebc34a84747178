#pragma once
#include "CCmdTarget.h"

class CWnd;

#ifndef ID_HELP
#define ID_HELP 0xE146
#endif
#ifndef WM_COMMANDHELP
#define WM_COMMANDHELP 0x0365
#endif

// The application object. Exactly one exists; its constructor registers it.
class CWinApp : public CCmdTarget {
    DECLARE_DYNAMIC(CWinApp)
public:
    explicit CWinApp(LPCWSTR appName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    // The application's own message loop; runs only when InitInstance returns TRUE.
    virtual int Run();

    // Asks the active window of the main window for context help (WM_COMMANDHELP).
    void OnHelp();

    // The window that is currently the main window; never owned. Cleared by
    // the framework when that window is destroyed.
    CWnd* m_pMainWnd = nullptr;
    HINSTANCE m_hInstance = nullptr;
    LPCWSTR m_pszAppName = nullptr;
    DWORD m_dwRestartManagerSupportFlags = 0;
    // The last message the application's loop retrieved (WM_QUIT at its end).
    MSG m_msgCur{};

    DECLARE_MESSAGE_MAP()

private:
    friend int AfxWinMain(HINSTANCE, HINSTANCE, LPWSTR, int);
    wchar_t m_szDerivedName[MAX_PATH]{};
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE resources);

// The framework's entry: InitInstance, then Run when it succeeds, then
// ExitInstance, whose result is the process exit code.
int AfxWinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR commandLine, int showCmd);
