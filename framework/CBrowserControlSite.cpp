#include "CBrowserControlSite.h"

#include "CDHtmlDialog.h"

void* CBrowserControlSite::QueryExtraInterface(REFIID iid)
{
    return iid == IID_IDocHostUIHandler ? static_cast<IDocHostUIHandler*>(this) : nullptr;
}

HRESULT CBrowserControlSite::GetHostInfo(DOCHOSTUIINFO* info)
{
    if (!info) return E_POINTER;
    info->dwFlags = DOCHOSTUIFLAG_NO3DBORDER | DOCHOSTUIFLAG_SCROLL_NO;
    info->dwDoubleClick = DOCHOSTUIDBLCLK_DEFAULT;
    return S_OK;
}

HRESULT CBrowserControlSite::GetOptionKeyPath(LPOLESTR* key, DWORD)
{
    if (key) *key = nullptr;
    return E_NOTIMPL;
}

HRESULT CBrowserControlSite::GetDropTarget(IDropTarget*, IDropTarget** target)
{
    if (target) *target = nullptr;
    return E_NOTIMPL;
}

HRESULT CBrowserControlSite::GetExternal(IDispatch** external)
{
    if (!external) return E_POINTER;
    *external = nullptr;
    // Run-time class records of plain-dialog classes skip CDHtmlDialog, so the
    // C++ type decides.
    auto* dialog = dynamic_cast<CDHtmlDialog*>(CWnd::FromHandlePermanent(m_dialog));
    return dialog ? dialog->GetExternal(external) : S_FALSE;
}

HRESULT CBrowserControlSite::TranslateUrl(DWORD, LPWSTR, LPWSTR* out)
{
    if (out) *out = nullptr;
    return S_FALSE;
}

HRESULT CBrowserControlSite::FilterDataObject(IDataObject*, IDataObject** out)
{
    if (out) *out = nullptr;
    return S_FALSE;
}
