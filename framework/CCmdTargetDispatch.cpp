#include "CCmdTargetDispatch.h"

#include <cstring>
#include <exception>
#include <new>
#include <vector>

#include "CCmdTarget.h"
#include "COleException.h"
#include "CVariant.h"

namespace {

void FillException(EXCEPINFO* exception, HRESULT status, const char* what)
{
    if (!exception) return;
    std::memset(exception, 0, sizeof(*exception));
    exception->scode = status;
    wchar_t text[256] = {};
    ::MultiByteToWideChar(CP_UTF8, 0, what, -1, text, 255);
    exception->bstrDescription = ::SysAllocString(text);
}

// Copies or coerces one argument to its declared type.
HRESULT CoerceArgument(VARIANT& source, char declared, VARIANT* target)
{
    VARTYPE type = static_cast<VARTYPE>(declared & ~VT_MFCBYREF);
    if (declared & VT_MFCBYREF) {
        // A pointer parameter takes the caller's variant as it is.
        return ::VariantCopy(target, &source);
    }
    if (type == VT_VARIANT) return ::VariantCopyInd(target, &source);
    return ::VariantChangeType(target, &source, 0, type);
}

}  // namespace

CCmdTargetDispatch* CCmdTargetDispatch::Create(CCmdTarget* target) { return new CCmdTargetDispatch(target); }

void CCmdTargetDispatch::Disconnect()
{
    m_target = nullptr;
    if (m_refs == 0) delete this;
}

HRESULT CCmdTargetDispatch::QueryInterface(REFIID iid, void** out)
{
    if (!out) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch) {
        *out = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

ULONG CCmdTargetDispatch::AddRef() { return ++m_refs; }

ULONG CCmdTargetDispatch::Release()
{
    ULONG left = --m_refs;
    if (left == 0 && !m_target) delete this;
    return left;
}

HRESULT CCmdTargetDispatch::GetTypeInfoCount(UINT* count)
{
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT CCmdTargetDispatch::GetTypeInfo(UINT, LCID, ITypeInfo** info)
{
    if (info) *info = nullptr;
    return E_NOTIMPL;
}

template <typename Match>
const AFX_DISPMAP_ENTRY* CCmdTargetDispatch::FindEntry(Match match, DISPID* id) const
{
    if (!m_target) return nullptr;
    DISPID next = 1;
    for (const AFX_DISPMAP* map = m_target->GetDispatchMap(); map;
         map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr)
        for (const AFX_DISPMAP_ENTRY* e = map->lpEntries; e->lpszName; ++e, ++next)
            if (match(*e, next)) {
                if (id) *id = next;
                return e;
            }
    return nullptr;
}

HRESULT CCmdTargetDispatch::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids)
{
    if (!names || !ids) return E_POINTER;
    if (!m_target) return RPC_E_DISCONNECTED;
    for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
    if (count == 0 || !names[0]) return DISP_E_UNKNOWNNAME;
    auto sameName = [&](const AFX_DISPMAP_ENTRY& e, DISPID) {
        return ::CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, e.lpszName, -1, names[0], -1) == CSTR_EQUAL;
    };
    if (!FindEntry(sameName, &ids[0])) return DISP_E_UNKNOWNNAME;
    return count == 1 ? S_OK : DISP_E_UNKNOWNNAME;  // parameter names are not known
}

HRESULT CCmdTargetDispatch::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                   EXCEPINFO* exception, UINT* argError)
{
    if (!m_target) return RPC_E_DISCONNECTED;
    const AFX_DISPMAP_ENTRY* entry = FindEntry([id](const AFX_DISPMAP_ENTRY&, DISPID at) { return at == id; }, nullptr);
    if (!entry) return DISP_E_MEMBERNOTFOUND;
    if (!(flags & DISPATCH_METHOD)) return DISP_E_MEMBERNOTFOUND;
    DISPPARAMS none{};
    if (!params) params = &none;
    UINT declared = static_cast<UINT>(std::strlen(entry->lpszParams));
    if (params->cNamedArgs != 0) return DISP_E_NONAMEDARGS;
    if (params->cArgs != declared) return DISP_E_BADPARAMCOUNT;

    CVariant answer;
    try {
        // COM passes the arguments last first.
        std::vector<CVariant> args(declared);
        for (UINT i = 0; i < declared; ++i) {
            UINT position = declared - 1 - i;
            if (FAILED(CoerceArgument(params->rgvarg[position], entry->lpszParams[i], &args[i]))) {
                if (argError) *argError = position;
                return DISP_E_TYPEMISMATCH;
            }
        }
        entry->pfnInvoke(m_target, args.empty() ? nullptr : static_cast<VARIANT*>(&args[0]), &answer);
    } catch (const COleException& e) {
        FillException(exception, e.m_sc, e.what());
        return DISP_E_EXCEPTION;
    } catch (const std::bad_alloc& e) {
        FillException(exception, E_OUTOFMEMORY, e.what());
        return DISP_E_EXCEPTION;
    } catch (const std::exception& e) {
        FillException(exception, E_FAIL, e.what());
        return DISP_E_EXCEPTION;
    }
    if (result) {
        ::VariantInit(result);
        if (entry->vtResult != VT_EMPTY) ::VariantCopy(result, &answer);
    }
    return S_OK;
}
