#include "FakeWebBrowser.h"

#include <exdisp.h>
#include <mshtmhst.h>

#include "framework/CComPtr.h"

FakeWebBrowser* FakeWebBrowser::last = nullptr;
int FakeWebBrowser::alive = 0;
std::vector<std::string> FakeWebBrowser::finalLog;

FakeWebBrowser::FakeWebBrowser()
{
    last = this;
    ++alive;
}

FakeWebBrowser::~FakeWebBrowser()
{
    if (last == this) last = nullptr;
    finalLog = log;
    --alive;
}

HRESULT FakeWebBrowser::QueryInterface(REFIID iid, void** out)
{
    *out = nullptr;
    if (iid == IID_IUnknown || iid == IID_IOleObject)
        *out = static_cast<IOleObject*>(this);
    else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceObject)
        *out = static_cast<IOleInPlaceObject*>(this);
    else if (iid == IID_IPersistStreamInit)
        *out = static_cast<IPersistStreamInit*>(this);
    else if (iid == IID_IDispatch)
        *out = static_cast<IDispatch*>(this);
    if (!*out) return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

ULONG FakeWebBrowser::Release()
{
    ULONG left = --m_refs;
    if (!left) delete this;
    return left;
}

HRESULT FakeWebBrowser::SetClientSite(IOleClientSite* clientSite)
{
    log.push_back(clientSite ? "SetClientSite" : "SetClientSite(null)");
    if (site) site->Release();
    site = clientSite;
    if (site) site->AddRef();
    return S_OK;
}

HRESULT FakeWebBrowser::GetClientSite(IOleClientSite** out)
{
    *out = site;
    if (site) site->AddRef();
    return S_OK;
}

HRESULT FakeWebBrowser::DoVerb(LONG verb, LPMSG, IOleClientSite* clientSite, LONG, HWND, LPCRECT)
{
    log.push_back(verb == OLEIVERB_INPLACEACTIVATE ? "DoVerb(inplace)" : "DoVerb");
    CComPtr<IOleInPlaceSite> inPlace;
    if (!clientSite || FAILED(clientSite->QueryInterface(IID_IOleInPlaceSite, reinterpret_cast<void**>(&inPlace))))
        return E_NOINTERFACE;
    if (inPlace->CanInPlaceActivate() != S_OK) return E_FAIL;
    inPlace->OnInPlaceActivate();
    CComPtr<IOleInPlaceFrame> frame;
    CComPtr<IOleInPlaceUIWindow> document;
    RECT clip{};
    OLEINPLACEFRAMEINFO info{};
    info.cb = sizeof(info);
    inPlace->GetWindowContext(&frame, &document, &positionRect, &clip, &info);
    return S_OK;
}

HRESULT FakeWebBrowser::GetMiscStatus(DWORD, DWORD* status)
{
    *status = OLEMISC_SETCLIENTSITEFIRST | OLEMISC_INSIDEOUT | OLEMISC_ACTIVATEWHENVISIBLE;
    return S_OK;
}

HRESULT FakeWebBrowser::InPlaceDeactivate()
{
    log.push_back("InPlaceDeactivate");
    CComPtr<IOleInPlaceSite> inPlace;
    if (site && SUCCEEDED(site->QueryInterface(IID_IOleInPlaceSite, reinterpret_cast<void**>(&inPlace))))
        inPlace->OnInPlaceDeactivate();
    return S_OK;
}

HRESULT FakeWebBrowser::SetObjectRects(LPCRECT position, LPCRECT)
{
    objectRect = *position;
    return S_OK;
}

HRESULT FakeWebBrowser::GetClassID(CLSID* clsid)
{
    *clsid = CLSID_WebBrowser;
    return S_OK;
}

HRESULT FakeWebBrowser::Load(LPSTREAM stream)
{
    log.push_back("Load");
    char buffer[4096];
    ULONG read = 0;
    while (SUCCEEDED(stream->Read(buffer, sizeof(buffer), &read)) && read) persisted.append(buffer, read);
    return S_OK;
}

HRESULT FakeWebBrowser::GetTypeInfoCount(UINT* count)
{
    *count = 0;
    return S_OK;
}

HRESULT FakeWebBrowser::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*)
{
    if (id == 104 && (flags & DISPATCH_METHOD) && params->cArgs == 5) {
        log.push_back("Navigate");
        const VARIANT& url = params->rgvarg[4];  // first argument, passed last
        navigations.push_back(url.vt == VT_BSTR && url.bstrVal ? url.bstrVal : L"<not a string>");
        for (UINT i = 0; i < 4; ++i)
            if (params->rgvarg[i].vt != (VT_BYREF | VT_VARIANT) || params->rgvarg[i].pvarVal) log.push_back("Navigate: non-null option");
        // As a page would: ask the site for its document host and window.external.
        CComPtr<IDocHostUIHandler> host;
        if (site && SUCCEEDED(site->QueryInterface(IID_IDocHostUIHandler, reinterpret_cast<void**>(&host)))) {
            CComPtr<IDispatch> external;
            host->GetExternal(&external);
            externalAtNavigate = external.Get();
        }
        return S_OK;
    }
    if (id == 551 && (flags & DISPATCH_PROPERTYPUT) && params->cArgs == 1 && params->cNamedArgs == 1 &&
        params->rgdispidNamedArgs[0] == DISPID_PROPERTYPUT && params->rgvarg[0].vt == VT_BOOL) {
        log.push_back("Silent");
        silent = params->rgvarg[0].boolVal != VARIANT_FALSE;
        return S_OK;
    }
    return DISP_E_MEMBERNOTFOUND;
}

namespace {

class Factory : public IClassFactory {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        if (iid == IID_IUnknown || iid == IID_IClassFactory) {
            *out = this;
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override
    {
        if (outer) return CLASS_E_NOAGGREGATION;
        auto* browser = new FakeWebBrowser();
        browser->AddRef();
        HRESULT hr = browser->QueryInterface(iid, out);
        browser->Release();
        return hr;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};
Factory g_factory;

}  // namespace

FakeWebBrowserRegistration::FakeWebBrowserRegistration()
{
    ::CoRegisterClassObject(CLSID_WebBrowser, &g_factory, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &m_cookie);
}

FakeWebBrowserRegistration::~FakeWebBrowserRegistration() { ::CoRevokeClassObject(m_cookie); }
