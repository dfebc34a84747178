#include "CWebBrowser2.h"

IMPLEMENT_DYNCREATE(CWebBrowser2, CWnd)

HRESULT CWebBrowser2::Navigate(LPCWSTR url)
{
    VARIANT* none = nullptr;
    return InvokeHelper(DISPID_NAVIGATE, DISPATCH_METHOD, VT_EMPTY, nullptr,
                        VTS_BSTR VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT, url, none, none, none, none);
}

HRESULT CWebBrowser2::put_Silent(BOOL silent)
{
    return InvokeHelper(DISPID_SILENT, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, VTS_BOOL, silent);
}
