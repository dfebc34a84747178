#include <gtest/gtest.h>

#include <activscp.h>

#include <string>

#include "framework/CBstr.h"
#include "framework/CComPtr.h"
#include "framework/CCmdTarget.h"
#include "framework/COleException.h"
#include "framework/CVariant.h"

namespace {

// A small automation object: its calls are recorded in `log`.
class Calculator : public CCmdTarget {
public:
    Calculator() { EnableAutomation(); }
    std::wstring log;

    long Add(long a, long b)
    {
        log += L"Add(" + std::to_wstring(a) + L"," + std::to_wstring(b) + L")";
        return a + b;
    }
    void Join(const VARIANT& first, const VARIANT& second)
    {
        CVariant a, b;
        ::VariantChangeType(&a, const_cast<VARIANT*>(&first), 0, VT_BSTR);
        ::VariantChangeType(&b, const_cast<VARIANT*>(&second), 0, VT_BSTR);
        log += std::wstring(a.bstrVal ? a.bstrVal : L"") + L"|" + (b.bstrVal ? b.bstrVal : L"");
    }
    void Fail(long status) { AfxThrowOleException(status); }

    DECLARE_DISPATCH_MAP()
};

BEGIN_DISPATCH_MAP(Calculator, CCmdTarget)
    DISP_FUNCTION(Calculator, "Add", Add, VT_I4, VTS_I4 VTS_I4)
    DISP_FUNCTION(Calculator, "join", Join, VT_EMPTY, VTS_VARIANT VTS_VARIANT)
    DISP_FUNCTION(Calculator, "Fail", Fail, VT_EMPTY, VTS_I4)
END_DISPATCH_MAP()

DISPID IdOf(IDispatch* dispatch, const wchar_t* name)
{
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    DISPID id = 0;
    HRESULT hr = dispatch->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    return SUCCEEDED(hr) ? id : DISPID_UNKNOWN;
}

}  // namespace

TEST(Automation, NamesMatchWithoutRegardToCaseAndIdentifiersCountFromOne)
{
    Calculator calculator;
    IDispatch* dispatch = calculator.GetIDispatch(FALSE);
    ASSERT_NE(dispatch, nullptr);
    struct Case {
        const wchar_t* name;
        DISPID id;
    } cases[] = {{L"Add", 1}, {L"add", 1}, {L"ADD", 1}, {L"Join", 2}, {L"JOIN", 2}, {L"fail", 3}, {L"Missing", DISPID_UNKNOWN}};
    for (const Case& c : cases) EXPECT_EQ(IdOf(dispatch, c.name), c.id) << c.name;
}

TEST(Automation, ArgumentsArriveInDeclaredOrderAndResultsComeBack)
{
    Calculator calculator;
    IDispatch* dispatch = calculator.GetIDispatch(FALSE);
    VARIANT args[2];
    args[0].vt = VT_I4;  // last argument first, as COM passes them
    args[0].lVal = 40;
    args[1].vt = VT_BSTR;
    args[1].bstrVal = ::SysAllocString(L"2");  // coerced to a number
    DISPPARAMS params{args, nullptr, 2, 0};
    CVariant result;
    ASSERT_EQ(dispatch->Invoke(1, IID_NULL, 0, DISPATCH_METHOD, &params, &result, nullptr, nullptr), S_OK);
    ::SysFreeString(args[1].bstrVal);
    EXPECT_EQ(result.vt, VT_I4);
    EXPECT_EQ(result.lVal, 42);
    EXPECT_EQ(calculator.log, L"Add(2,40)");
}

TEST(Automation, BadCallsGetTheirComAnswers)
{
    Calculator calculator;
    IDispatch* dispatch = calculator.GetIDispatch(FALSE);
    VARIANT one;
    one.vt = VT_I4;
    one.lVal = 1;
    DISPPARAMS tooFew{&one, nullptr, 1, 0};
    EXPECT_EQ(dispatch->Invoke(1, IID_NULL, 0, DISPATCH_METHOD, &tooFew, nullptr, nullptr, nullptr), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(dispatch->Invoke(9, IID_NULL, 0, DISPATCH_METHOD, &tooFew, nullptr, nullptr, nullptr), DISP_E_MEMBERNOTFOUND);

    VARIANT word[2];
    word[0].vt = VT_BSTR;
    word[0].bstrVal = ::SysAllocString(L"not a number");
    word[1] = one;
    DISPPARAMS mismatch{word, nullptr, 2, 0};
    UINT argError = 99;
    EXPECT_EQ(dispatch->Invoke(1, IID_NULL, 0, DISPATCH_METHOD, &mismatch, nullptr, nullptr, &argError), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(argError, 0u);
    ::SysFreeString(word[0].bstrVal);
    EXPECT_TRUE(calculator.log.empty()) << "nothing was called";
}

TEST(Automation, ThrownFailuresBecomeExceptionsWithTheirStatus)
{
    Calculator calculator;
    IDispatch* dispatch = calculator.GetIDispatch(FALSE);
    for (HRESULT status : {E_OUTOFMEMORY, E_INVALIDARG}) {
        VARIANT arg;
        arg.vt = VT_I4;
        arg.lVal = status;
        DISPPARAMS params{&arg, nullptr, 1, 0};
        EXCEPINFO info{};
        EXPECT_EQ(dispatch->Invoke(3, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, &info, nullptr), DISP_E_EXCEPTION);
        EXPECT_EQ(info.scode, status);
        ::SysFreeString(info.bstrDescription);
    }
}

TEST(Automation, ReferencesReturnToZeroAndOutlivingCallersAreDisconnected)
{
    IDispatch* kept = nullptr;
    {
        Calculator calculator;
        IDispatch* dispatch = calculator.GetIDispatch(TRUE);
        IUnknown* unknown = nullptr;
        ASSERT_EQ(dispatch->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)), S_OK);
        EXPECT_EQ(unknown->Release(), 1u);
        EXPECT_EQ(dispatch->Release(), 0u);
        kept = calculator.GetIDispatch(TRUE);
    }
    DISPPARAMS none{};
    EXPECT_EQ(kept->Invoke(1, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr), RPC_E_DISCONNECTED);
    EXPECT_EQ(kept->Release(), 0u);
}

namespace {

// Hosts Wine's JScript engine with one named item, "external".
class ScriptSite : public IActiveScriptSite {
public:
    explicit ScriptSite(IDispatch* external) : m_external(external) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        if (iid == IID_IUnknown || iid == IID_IActiveScriptSite) {
            *out = this;
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE GetLCID(LCID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetItemInfo(LPCOLESTR name, DWORD mask, IUnknown** item, ITypeInfo** info) override
    {
        if (info) *info = nullptr;
        if (std::wstring(name) != L"external" || !(mask & SCRIPTINFO_IUNKNOWN)) return TYPE_E_ELEMENTNOTFOUND;
        m_external->AddRef();
        *item = m_external;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDocVersionString(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnScriptTerminate(const VARIANT*, const EXCEPINFO*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnStateChange(SCRIPTSTATE) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnScriptError(IActiveScriptError*) override
    {
        ++errors;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnEnterScript() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnLeaveScript() override { return S_OK; }
    int errors = 0;

private:
    IDispatch* m_external;
};

}  // namespace

TEST(Automation, PageScriptCallsTheExternalObject)
{
    Calculator calculator;
    CLSID jscript{};
    ASSERT_EQ(::CLSIDFromProgID(L"JScript", &jscript), S_OK);
    CComPtr<IActiveScript> engine;
    ASSERT_EQ(::CoCreateInstance(jscript, nullptr, CLSCTX_INPROC_SERVER, IID_IActiveScript,
                                 reinterpret_cast<void**>(&engine)), S_OK);
    CComPtr<IActiveScriptParse> parser;
    ASSERT_EQ(engine.QueryInterface(parser), S_OK);
    ScriptSite site(calculator.GetIDispatch(FALSE));
    ASSERT_EQ(engine->SetScriptSite(&site), S_OK);
    ASSERT_EQ(parser->InitNew(), S_OK);
    ASSERT_EQ(engine->AddNamedItem(L"external", SCRIPTITEM_ISVISIBLE), S_OK);
    ASSERT_EQ(engine->SetScriptState(SCRIPTSTATE_STARTED), S_OK);
    EXCEPINFO info{};
    EXPECT_EQ(parser->ParseScriptText(L"external.JOIN(5, \"http://127.0.0.1:8080/game\"); external.add(1, 2);",
                                      nullptr, nullptr, nullptr, 0, 0, 0, nullptr, &info),
              S_OK);
    EXPECT_EQ(site.errors, 0);
    EXPECT_EQ(calculator.log, L"5|http://127.0.0.1:8080/gameAdd(1,2)");
    engine->Close();
    EXPECT_EQ(calculator.GetIDispatch(FALSE) != nullptr, true);
}
