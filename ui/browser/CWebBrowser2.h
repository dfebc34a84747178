#pragma once
#include "framework/CWnd.h"

// The window object of a hosted WebBrowser control, driven through the
// control's IDispatch.
class CWebBrowser2 : public CWnd {
    DECLARE_DYNCREATE(CWebBrowser2)
public:
    static constexpr DISPID DISPID_NAVIGATE = 104;
    static constexpr DISPID DISPID_SILENT = 551;

    // Starts loading `url`; no flags, target frame, post data or headers.
    HRESULT Navigate(LPCWSTR url);
    HRESULT put_Silent(BOOL silent);
};
