#pragma once
#include <mshtmhst.h>

#include "COleControlSite.h"

// The site of a browser control on a DHTML dialog: its document-host
// handler forwards the page's request for window.external to the dialog.
// The dialog is found through its window, so a dialog object that has been
// unbound (or destroyed) is simply not asked.
class CBrowserControlSite : public COleControlSite, public IDocHostUIHandler {
public:
    explicit CBrowserControlSite(HWND dialog) : m_dialog(dialog) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override { return COleControlSite::QueryInterface(iid, out); }
    ULONG STDMETHODCALLTYPE AddRef() override { return COleControlSite::AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return COleControlSite::Release(); }

    HRESULT STDMETHODCALLTYPE ShowContextMenu(DWORD, POINT*, IUnknown*, IDispatch*) override { return S_FALSE; }
    HRESULT STDMETHODCALLTYPE GetHostInfo(DOCHOSTUIINFO* info) override;
    HRESULT STDMETHODCALLTYPE ShowUI(DWORD, IOleInPlaceActiveObject*, IOleCommandTarget*, IOleInPlaceFrame*,
                                     IOleInPlaceUIWindow*) override { return S_FALSE; }
    HRESULT STDMETHODCALLTYPE HideUI() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE UpdateUI() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnDocWindowActivate(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnFrameWindowActivate(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG, const GUID*, DWORD) override { return S_FALSE; }
    HRESULT STDMETHODCALLTYPE GetOptionKeyPath(LPOLESTR* key, DWORD) override;
    HRESULT STDMETHODCALLTYPE GetDropTarget(IDropTarget*, IDropTarget** target) override;
    HRESULT STDMETHODCALLTYPE GetExternal(IDispatch** external) override;
    HRESULT STDMETHODCALLTYPE TranslateUrl(DWORD, LPWSTR, LPWSTR* out) override;
    HRESULT STDMETHODCALLTYPE FilterDataObject(IDataObject*, IDataObject** out) override;

protected:
    void* QueryExtraInterface(REFIID iid) override;

private:
    HWND m_dialog;
};
