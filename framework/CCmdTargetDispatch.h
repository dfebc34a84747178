#pragma once
#include <windows.h>
#include <oaidl.h>

class CCmdTarget;

// The IDispatch of a command target, built from its dispatch map. Members
// are found by name without regard to case; identifiers count from 1 in map
// order. When the target goes away first, the object stays for the callers
// still holding it and answers them with RPC_E_DISCONNECTED.
class CCmdTargetDispatch final : public IDispatch {
public:
    static CCmdTargetDispatch* Create(CCmdTarget* target);
    void Disconnect();
    ULONG References() const { return m_refs; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO* exception, UINT* argError) override;

private:
    explicit CCmdTargetDispatch(CCmdTarget* target) : m_target(target) {}
    ~CCmdTargetDispatch() = default;
    // The first entry, in map order, that `match(entry, dispid)` accepts.
    template <typename Match>
    const struct AFX_DISPMAP_ENTRY* FindEntry(Match match, DISPID* id) const;

    CCmdTarget* m_target;
    ULONG m_refs = 0;
};
