#pragma once
#include <windows.h>
// clang-format off
#include <objidl.h>
#include <gdiplus.h>
// clang-format on

#include <string>

#include "framework/CWinApp.h"

// The application: starts control hosting and GDI+, runs the launcher as the
// first main window, and swaps the main window between launcher and game.
class CTranslucentApp : public CWinApp {
public:
    CTranslucentApp();

    BOOL InitInstance() override;
    int ExitInstance() override;

    DECLARE_MESSAGE_MAP()

private:
    ULONG_PTR m_gdiplusToken = 0;
};

extern CTranslucentApp theApp;
