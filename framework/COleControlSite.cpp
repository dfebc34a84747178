#include "COleControlSite.h"

#include <cstdarg>
#include <cstring>
#include <vector>

#include "CreateStreamOverBytes.h"
#include "CClientDC.h"
#include "CVariant.h"
#include "DispatchMap.h"

namespace {
constexpr wchar_t kSiteClass[] = L"VeyrathControlSite";

SIZEL PixelsToHimetric(LONG cx, LONG cy)
{
    CClientDC screen(nullptr);
    return SIZEL{::MulDiv(cx, 2540, ::GetDeviceCaps(screen, LOGPIXELSX)),
                 ::MulDiv(cy, 2540, ::GetDeviceCaps(screen, LOGPIXELSY))};
}
}  // namespace

bool IsControlClassName(const wchar_t* name) { return name && name[0] == L'{'; }

void COleControlSite::RegisterSiteClass()
{
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (::GetClassInfoExW(::GetModuleHandleW(nullptr), kSiteClass, &existing)) return;
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof(cls);
    cls.lpfnWndProc = &COleControlSite::SiteWndProc;
    cls.hInstance = ::GetModuleHandleW(nullptr);
    cls.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    cls.lpszClassName = kSiteClass;
    ::RegisterClassExW(&cls);
}

COleControlSite* COleControlSite::FromWindow(HWND hWnd)
{
    wchar_t name[64] = {};
    if (!hWnd || !::GetClassNameW(hWnd, name, 64) || std::wcscmp(name, kSiteClass) != 0) return nullptr;
    return reinterpret_cast<COleControlSite*>(::GetWindowLongPtrW(hWnd, GWLP_USERDATA));
}

HRESULT COleControlSite::CreateControl(HWND container, UINT id, const RECT& rect, DWORD style, REFCLSID clsid,
                                       const void* state, ULONG stateSize)
{
    RegisterSiteClass();
    m_hWnd = ::CreateWindowExW(0, kSiteClass, nullptr, (style | WS_CHILD | WS_CLIPCHILDREN) & ~WS_POPUP, rect.left,
                               rect.top, rect.right - rect.left, rect.bottom - rect.top, container,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr), nullptr);
    if (!m_hWnd) {
        Release();  // the window's reference, which it never took
        return HRESULT_FROM_WIN32(::GetLastError());
    }
    ::SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));

    HRESULT hr = ::CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IOleObject,
                                    reinterpret_cast<void**>(&m_control));
    if (FAILED(hr)) return hr;

    m_control->SetClientSite(this);
    CComPtr<IPersistStreamInit> persist;
    if (SUCCEEDED(m_control.QueryInterface(persist))) {
        CComPtr<IStream> stream;
        stream.Attach(state && stateSize ? CreateStreamOverBytes(state, stateSize) : nullptr);
        if (!stream || FAILED(persist->Load(stream))) persist->InitNew();
    }
    m_control->SetHostNames(L"Veyrath", nullptr);
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    SIZEL extent = PixelsToHimetric(client.right, client.bottom);
    m_control->SetExtent(DVASPECT_CONTENT, &extent);
    hr = m_control->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, this, 0, m_hWnd, &client);
    m_control.QueryInterface(m_inPlace);
    return hr;
}

void COleControlSite::Resize()
{
    if (!m_inPlace) return;
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    m_inPlace->SetObjectRects(&client, &client);
}

void COleControlSite::Teardown()
{
    if (m_inPlace && m_inPlaceActive) m_inPlace->InPlaceDeactivate();
    m_inPlace.Release();
    if (m_control) {
        m_control->Close(OLECLOSE_NOSAVE);
        m_control->SetClientSite(nullptr);
        m_control.Release();
    }
}

LRESULT CALLBACK COleControlSite::SiteWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    COleControlSite* site = reinterpret_cast<COleControlSite*>(::GetWindowLongPtrW(hWnd, GWLP_USERDATA));
    switch (message) {
    case WM_SIZE:
        if (site) site->Resize();
        break;
    case WM_DESTROY:
        if (site) site->Teardown();
        break;
    case WM_NCDESTROY:
        if (site) {
            ::SetWindowLongPtrW(hWnd, GWLP_USERDATA, 0);
            site->m_hWnd = nullptr;
            site->Release();
        }
        break;
    case WM_ERASEBKGND:
        return TRUE;  // the control paints the whole site
    default:
        break;
    }
    return ::DefWindowProcW(hWnd, message, wParam, lParam);
}

HRESULT COleControlSite::InvokeHelperV(DISPID id, WORD flags, VARTYPE resultType, void* result, const char* params,
                                       va_list args)
{
    CComPtr<IDispatch> dispatch;
    if (!m_control || FAILED(m_control.QueryInterface(dispatch))) return E_NOINTERFACE;

    size_t count = params ? std::strlen(params) : 0;
    std::vector<CVariant> values(count);
    for (size_t i = 0; i < count; ++i) {
        VARIANT& v = values[count - 1 - i];  // COM takes them last first
        switch (static_cast<unsigned char>(params[i])) {
        case VT_BSTR:
            v.vt = VT_BSTR;
            v.bstrVal = ::SysAllocString(va_arg(args, const wchar_t*));
            break;
        case VT_BOOL:
            v.vt = VT_BOOL;
            v.boolVal = va_arg(args, int) ? VARIANT_TRUE : VARIANT_FALSE;
            break;
        case VT_I4:
            v.vt = VT_I4;
            v.lVal = va_arg(args, long);
            break;
        case VT_VARIANT:
            ::VariantCopy(&v, va_arg(args, VARIANT*));
            break;
        case VT_MFCBYREF | VT_VARIANT:
            v.vt = VT_BYREF | VT_VARIANT;
            v.pvarVal = va_arg(args, VARIANT*);
            break;
        default:
            return E_INVALIDARG;
        }
    }
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS dp{count ? static_cast<VARIANT*>(&values[0]) : nullptr, nullptr, static_cast<UINT>(count), 0};
    if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
        dp.rgdispidNamedArgs = &named;
        dp.cNamedArgs = 1;
    }
    CVariant answer;
    HRESULT hr = dispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &dp, &answer, nullptr, nullptr);
    if (SUCCEEDED(hr) && result && resultType != VT_EMPTY) {
        CVariant converted;
        if (SUCCEEDED(::VariantChangeType(&converted, &answer, 0, resultType))) {
            if (resultType == VT_I4) *static_cast<long*>(result) = converted.lVal;
            if (resultType == VT_BOOL) *static_cast<BOOL*>(result) = converted.boolVal != VARIANT_FALSE;
            if (resultType == VT_BSTR) *static_cast<BSTR*>(result) = ::SysAllocString(converted.bstrVal);
        }
    }
    return hr;
}

HRESULT COleControlSite::QueryInterface(REFIID iid, void** out)
{
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid == IID_IUnknown || iid == IID_IOleClientSite)
        *out = static_cast<IOleClientSite*>(this);
    else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite)
        *out = static_cast<IOleInPlaceSite*>(this);
    else if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame)
        *out = static_cast<IOleInPlaceFrame*>(this);
    else if (iid == IID_IOleControlSite)
        *out = static_cast<IOleControlSite*>(this);
    else if (iid == IID_IDispatch)
        *out = static_cast<IDispatch*>(this);
    else
        *out = QueryExtraInterface(iid);
    if (!*out) return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

ULONG COleControlSite::AddRef() { return ++m_refs; }

ULONG COleControlSite::Release()
{
    ULONG left = --m_refs;
    if (left == 0) delete this;
    return left;
}

HRESULT COleControlSite::SaveObject() { return S_OK; }
HRESULT COleControlSite::GetMoniker(DWORD, DWORD, IMoniker** moniker)
{
    if (moniker) *moniker = nullptr;
    return E_NOTIMPL;
}
HRESULT COleControlSite::GetContainer(IOleContainer** container)
{
    if (container) *container = nullptr;
    return E_NOINTERFACE;
}
HRESULT COleControlSite::ShowObject() { return S_OK; }
HRESULT COleControlSite::OnShowWindow(BOOL) { return S_OK; }
HRESULT COleControlSite::RequestNewObjectLayout() { return E_NOTIMPL; }

HRESULT COleControlSite::GetWindow(HWND* window)
{
    if (!window) return E_POINTER;
    *window = m_hWnd;
    return m_hWnd ? S_OK : E_FAIL;
}
HRESULT COleControlSite::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }
HRESULT COleControlSite::CanInPlaceActivate() { return S_OK; }
HRESULT COleControlSite::OnInPlaceActivate()
{
    m_inPlaceActive = true;
    return S_OK;
}
HRESULT COleControlSite::OnUIActivate() { return S_OK; }

HRESULT COleControlSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                          LPRECT clip, LPOLEINPLACEFRAMEINFO info)
{
    if (!frame || !document || !position || !clip || !info) return E_POINTER;
    AddRef();
    *frame = static_cast<IOleInPlaceFrame*>(this);
    *document = nullptr;
    ::GetClientRect(m_hWnd, position);
    *clip = *position;
    info->fMDIApp = FALSE;
    info->hwndFrame = ::GetAncestor(m_hWnd, GA_ROOT);
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
}
HRESULT COleControlSite::Scroll(SIZE) { return E_NOTIMPL; }
HRESULT COleControlSite::OnUIDeactivate(BOOL) { return S_OK; }
HRESULT COleControlSite::OnInPlaceDeactivate()
{
    m_inPlaceActive = false;
    return S_OK;
}
HRESULT COleControlSite::DiscardUndoState() { return S_OK; }
HRESULT COleControlSite::DeactivateAndUndo() { return S_OK; }
HRESULT COleControlSite::OnPosRectChange(LPCRECT position)
{
    if (m_inPlace && position) m_inPlace->SetObjectRects(position, position);
    return S_OK;
}

HRESULT COleControlSite::GetBorder(LPRECT) { return INPLACE_E_NOTOOLSPACE; }
HRESULT COleControlSite::RequestBorderSpace(LPCBORDERWIDTHS) { return INPLACE_E_NOTOOLSPACE; }
HRESULT COleControlSite::SetBorderSpace(LPCBORDERWIDTHS) { return S_OK; }
HRESULT COleControlSite::SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) { return S_OK; }
HRESULT COleControlSite::InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) { return E_NOTIMPL; }
HRESULT COleControlSite::SetMenu(HMENU, HOLEMENU, HWND) { return S_OK; }
HRESULT COleControlSite::RemoveMenus(HMENU) { return E_NOTIMPL; }
HRESULT COleControlSite::SetStatusText(LPCOLESTR) { return S_OK; }
HRESULT COleControlSite::EnableModeless(BOOL) { return S_OK; }
HRESULT COleControlSite::TranslateAccelerator(LPMSG, WORD) { return S_FALSE; }

HRESULT COleControlSite::OnControlInfoChanged() { return S_OK; }
HRESULT COleControlSite::LockInPlaceActive(BOOL) { return S_OK; }
HRESULT COleControlSite::GetExtendedControl(IDispatch** control)
{
    if (control) *control = nullptr;
    return E_NOTIMPL;
}
HRESULT COleControlSite::TransformCoords(POINTL*, POINTF*, DWORD) { return E_NOTIMPL; }
HRESULT COleControlSite::TranslateAccelerator(LPMSG, DWORD) { return S_FALSE; }
HRESULT COleControlSite::OnFocus(BOOL) { return S_OK; }
HRESULT COleControlSite::ShowPropertyFrame() { return E_NOTIMPL; }

HRESULT COleControlSite::GetTypeInfoCount(UINT* count)
{
    if (count) *count = 0;
    return S_OK;
}
HRESULT COleControlSite::GetTypeInfo(UINT, LCID, ITypeInfo** info)
{
    if (info) *info = nullptr;
    return E_NOTIMPL;
}
HRESULT COleControlSite::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return DISP_E_UNKNOWNNAME; }

HRESULT COleControlSite::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO*, UINT*)
{
    if (!(flags & DISPATCH_PROPERTYGET) || !result) return DISP_E_MEMBERNOTFOUND;
    switch (id) {
    case DISPID_AMBIENT_USERMODE:
    case DISPID_AMBIENT_UIDEAD:
        result->vt = VT_BOOL;
        result->boolVal = id == DISPID_AMBIENT_USERMODE ? VARIANT_TRUE : VARIANT_FALSE;
        return S_OK;
    default:
        return DISP_E_MEMBERNOTFOUND;
    }
}
