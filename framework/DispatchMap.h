#pragma once
#include <windows.h>
#include <oleauto.h>

#include <type_traits>
#include <utility>

class CCmdTarget;

// Parameter descriptions, one character per parameter (its VARTYPE; 0x40
// marks a pointer to that type).
#define VTS_NONE ""
#define VTS_I4 "\x03"
#define VTS_BSTR "\x08"
#define VTS_BOOL "\x0B"
#define VTS_VARIANT "\x0C"
#define VTS_PVARIANT "\x4C"
#define VT_MFCBYREF 0x40

// One automation member: its name, result type, parameter description and a
// thunk that calls it with arguments already coerced and in declared order.
struct AFX_DISPMAP_ENTRY {
    const wchar_t* lpszName;
    VARTYPE vtResult;
    const char* lpszParams;
    void (*pfnInvoke)(CCmdTarget* target, VARIANT* args, VARIANT* result);
};

struct AFX_DISPMAP {
    const AFX_DISPMAP* (*pfnGetBaseMap)();
    const AFX_DISPMAP_ENTRY* lpEntries;
};

namespace afx_dispatch {

template <typename A>
struct Arg;
template <>
struct Arg<const VARIANT&> {
    static const VARIANT& From(VARIANT& v) { return v; }
};
template <>
struct Arg<BSTR> {
    static BSTR From(VARIANT& v) { return v.bstrVal; }
};
template <>
struct Arg<const wchar_t*> {
    static const wchar_t* From(VARIANT& v) { return v.bstrVal ? v.bstrVal : L""; }
};
template <>
struct Arg<long> {
    static long From(VARIANT& v) { return v.lVal; }
};
template <>
struct Arg<int> {  // BOOL
    static int From(VARIANT& v) { return v.vt == VT_BOOL ? v.boolVal != VARIANT_FALSE : v.lVal; }
};

inline void Store(VARIANT* result, long value)
{
    result->vt = VT_I4;
    result->lVal = value;
}
inline void Store(VARIANT* result, BSTR value)
{
    result->vt = VT_BSTR;
    result->bstrVal = value;
}

template <auto Member, typename C, typename R, typename... A, size_t... I>
void Call(C* self, VARIANT* args, VARIANT* result, std::index_sequence<I...>)
{
    if constexpr (std::is_void_v<R>) {
        (self->*Member)(Arg<A>::From(args[I])...);
        (void)result;
    } else {
        Store(result, (self->*Member)(Arg<A>::From(args[I])...));
    }
}

template <auto Member, typename C, typename R, typename... A>
void Invoke(R (C::*)(A...), CCmdTarget* target, VARIANT* args, VARIANT* result)
{
    Call<Member, C, R, A...>(static_cast<C*>(target), args, result, std::index_sequence_for<A...>{});
}

}  // namespace afx_dispatch

#define DECLARE_DISPATCH_MAP()                     \
protected:                                         \
    static const AFX_DISPMAP* GetThisDispatchMap(); \
                                                   \
public:                                            \
    const AFX_DISPMAP* GetDispatchMap() const override;

#define BEGIN_DISPATCH_MAP(theClass, baseClass)                                          \
    const AFX_DISPMAP* theClass::GetDispatchMap() const { return GetThisDispatchMap(); } \
    const AFX_DISPMAP* theClass::GetThisDispatchMap()                                    \
    {                                                                                    \
        using TheBaseClass = baseClass;                                                  \
        static const AFX_DISPMAP_ENTRY entries[] = {

#define DISP_FUNCTION(theClass, szExternalName, pfnMember, vtRetVal, vtsParams)                        \
    {L##szExternalName, vtRetVal, vtsParams, [](CCmdTarget* target, VARIANT* args, VARIANT* result) {  \
         afx_dispatch::Invoke<&theClass::pfnMember>(&theClass::pfnMember, target, args, result);       \
     }},

#define END_DISPATCH_MAP()                                                          \
    {nullptr, VT_EMPTY, nullptr, nullptr}                                           \
    }                                                                               \
    ;                                                                               \
    static const AFX_DISPMAP map = {&TheBaseClass::GetThisDispatchMap, entries};    \
    return &map;                                                                    \
    }
