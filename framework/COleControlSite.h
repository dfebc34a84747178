#pragma once
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include <string>

#include "CComPtr.h"

// Hosts one ActiveX control in place inside a site window of its own, which
// carries the control's identifier and rectangle. One object answers every
// site interface. The site window owns a reference to it: destroying that
// window, however it happens, deactivates, closes and releases the control.
class COleControlSite : public IOleClientSite,
                        public IOleInPlaceSite,
                        public IOleInPlaceFrame,
                        public IOleControlSite,
                        public IDispatch {
public:
    COleControlSite() = default;

    // Creates the site window as a child of `container` and the control in it,
    // loading `state` (persisted bytes) or, without it, a fresh state.
    HRESULT CreateControl(HWND container, UINT id, const RECT& rect, DWORD style, REFCLSID clsid,
                          const void* state, ULONG stateSize);
    static COleControlSite* FromWindow(HWND hWnd);
    HWND Window() const { return m_hWnd; }
    IOleObject* Control() const { return m_control; }

    // Calls the control's IDispatch with a VTS_ parameter description.
    HRESULT InvokeHelperV(DISPID id, WORD flags, VARTYPE resultType, void* result, const char* params, va_list args);

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // IOleClientSite
    HRESULT STDMETHODCALLTYPE SaveObject() override;
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker** moniker) override;
    HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** container) override;
    HRESULT STDMETHODCALLTYPE ShowObject() override;
    HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override;
    HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override;
    // IOleWindow, IOleInPlaceSite
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override;
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override;
    HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override;
    HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override;
    HRESULT STDMETHODCALLTYPE OnUIActivate() override;
    HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                               LPRECT clip, LPOLEINPLACEFRAMEINFO info) override;
    HRESULT STDMETHODCALLTYPE Scroll(SIZE) override;
    HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL) override;
    HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override;
    HRESULT STDMETHODCALLTYPE DiscardUndoState() override;
    HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override;
    HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT position) override;
    // IOleInPlaceUIWindow, IOleInPlaceFrame
    HRESULT STDMETHODCALLTYPE GetBorder(LPRECT) override;
    HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS) override;
    HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS) override;
    HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override;
    HRESULT STDMETHODCALLTYPE InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override;
    HRESULT STDMETHODCALLTYPE SetMenu(HMENU, HOLEMENU, HWND) override;
    HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU) override;
    HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR) override;
    HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override;
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG, WORD) override;
    // IOleControlSite
    HRESULT STDMETHODCALLTYPE OnControlInfoChanged() override;
    HRESULT STDMETHODCALLTYPE LockInPlaceActive(BOOL) override;
    HRESULT STDMETHODCALLTYPE GetExtendedControl(IDispatch** control) override;
    HRESULT STDMETHODCALLTYPE TransformCoords(POINTL*, POINTF*, DWORD) override;
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG, DWORD) override;
    HRESULT STDMETHODCALLTYPE OnFocus(BOOL) override;
    HRESULT STDMETHODCALLTYPE ShowPropertyFrame() override;
    // IDispatch: ambient properties
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                                     UINT*) override;

protected:
    virtual ~COleControlSite() = default;
    // Interfaces beyond the basic site's (the browser site's document host).
    virtual void* QueryExtraInterface(REFIID) { return nullptr; }

private:
    static LRESULT CALLBACK SiteWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    static void RegisterSiteClass();
    void Resize();
    void Teardown();

    ULONG m_refs = 1;  // the site window's
    HWND m_hWnd = nullptr;
    CComPtr<IOleObject> m_control;
    CComPtr<IOleInPlaceObject> m_inPlace;
    bool m_inPlaceActive = false;
};

// Marks an item of a dialog template whose class is a CLSID string.
bool IsControlClassName(const wchar_t* name);
