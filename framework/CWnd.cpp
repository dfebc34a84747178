#include "CWnd.h"

#include <cstdarg>
#include <cstdio>
#include <exception>
#include <unordered_map>

#include "COleControlSite.h"
#include "CWinApp.h"

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

namespace {

// Every window object and the framework's procedures run on the one UI
// thread, so the handle map and the creation hook need no lock.
std::unordered_map<HWND, CWnd*>& HandleMap()
{
    static std::unordered_map<HWND, CWnd*> map;
    return map;
}

struct CurrentMessage {
    HWND hWnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
CurrentMessage g_current{};

CWnd* g_pWndInit = nullptr;
HHOOK g_hCreateHook = nullptr;

LRESULT ExceptionAnswer(UINT message, const char* what)
{
    OutputDebugStringA("Veyrath: exception in a window procedure: ");
    OutputDebugStringA(what);
    OutputDebugStringA("\n");
    return message == WM_CREATE ? -1 : 0;
}

}  // namespace

CWnd::~CWnd()
{
    // A window that outlives its object would route to freed memory.
    if (m_hWnd) {
        HWND hWnd = m_hWnd;
        Detach();
        ::DestroyWindow(hWnd);
    }
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    auto it = HandleMap().find(hWnd);
    return it == HandleMap().end() ? nullptr : it->second;
}

BOOL CWnd::Attach(HWND hWnd)
{
    if (!hWnd || m_hWnd || FromHandlePermanent(hWnd)) return FALSE;
    HandleMap()[hWnd] = this;
    m_hWnd = hWnd;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd) HandleMap().erase(hWnd);
    m_hWnd = nullptr;
    return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!Attach(hWnd)) return FALSE;
    auto previous = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    if (previous != &AfxWndProc) m_pfnSuper = previous;
    PreSubclassWindow();
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent)
{
    HWND control = ::GetDlgItem(parent->m_hWnd, static_cast<int>(id));
    return control && SubclassWindow(control);
}

BOOL CWnd::DestroyWindow() { return m_hWnd && ::DestroyWindow(m_hWnd); }

DWORD CWnd::GetStyle() const { return static_cast<DWORD>(::GetWindowLongW(m_hWnd, GWL_STYLE)); }
DWORD CWnd::GetExStyle() const { return static_cast<DWORD>(::GetWindowLongW(m_hWnd, GWL_EXSTYLE)); }

static BOOL ModifyWindowLong(HWND hWnd, int index, DWORD remove, DWORD add, UINT swpFlags)
{
    DWORD style = static_cast<DWORD>(::GetWindowLongW(hWnd, index));
    DWORD changed = (style & ~remove) | add;
    if (changed == style) return FALSE;
    ::SetWindowLongW(hWnd, index, static_cast<LONG>(changed));
    if (swpFlags)
        ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | swpFlags);
    return TRUE;
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT swpFlags)
{
    return ModifyWindowLong(m_hWnd, GWL_STYLE, remove, add, swpFlags);
}

BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT swpFlags)
{
    return ModifyWindowLong(m_hWnd, GWL_EXSTYLE, remove, add, swpFlags);
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint)
{
    ::MoveWindow(m_hWnd, x, y, width, height, repaint);
}

BOOL CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags)
{
    return ::SetWindowPos(m_hWnd, insertAfter ? insertAfter->m_hWnd : nullptr, x, y, cx, cy, flags);
}

BOOL CWnd::ShowWindow(int cmdShow) { return ::ShowWindow(m_hWnd, cmdShow); }
void CWnd::GetWindowRect(LPRECT rect) const { ::GetWindowRect(m_hWnd, rect); }
void CWnd::GetClientRect(LPRECT rect) const { ::GetClientRect(m_hWnd, rect); }
void CWnd::SetWindowText(LPCWSTR text) { ::SetWindowTextW(m_hWnd, text); }
CWnd* CWnd::GetParent() const { return FromHandlePermanent(::GetParent(m_hWnd)); }
HWND CWnd::GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
int CWnd::GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::PostMessageW(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
    return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam)) return FALSE;
        *result = 0;
        return TRUE;
    }
    if (message == WM_DRAWITEM && !FindMessageEntry(WM_DRAWITEM, 0)) {
        // Owner-drawn controls draw themselves: the item goes to the child's object.
        auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        CWnd* child = item ? FromHandlePermanent(item->hwndItem) : nullptr;
        if (child && child->OnChildNotify(message, wParam, lParam, result)) return TRUE;
    }
    UINT key = (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) ? WM_CTLCOLOR : message;
    const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(key, 0);
    if (!entry) return FALSE;
    *result = 0;
    entry->pfnThunk(this, message, wParam, lParam, *result);
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM)
{
    // Menu, accelerator and button-click commands; other control notifications
    // are not routed as commands.
    UINT code = HIWORD(wParam);
    if (code != 0 && code != 1) return FALSE;
    return OnCmdMsg(LOWORD(wParam));
}

BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) { return FALSE; }

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper) return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

HRESULT CWnd::InvokeHelper(DISPID id, WORD flags, VARTYPE resultType, void* result, const char* params, ...)
{
    COleControlSite* site = COleControlSite::FromWindow(m_hWnd);
    if (!site) return E_UNEXPECTED;
    va_list args;
    va_start(args, params);
    HRESULT hr = site->InvokeHelperV(id, flags, resultType, result, params, args);
    va_end(args);
    return hr;
}

LRESULT CWnd::Default()
{
    return DefWindowProc(g_current.message, g_current.wParam, g_current.lParam);
}

int CWnd::OnCreate(LPCREATESTRUCTW) { return static_cast<int>(Default()); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnMove(int, int) { Default(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
BOOL CWnd::OnEraseBkgnd(HDC) { return static_cast<BOOL>(Default()); }
void CWnd::OnLButtonDown(UINT, POINT) { Default(); }
void CWnd::OnRButtonDown(UINT, POINT) { Default(); }
void CWnd::OnRButtonUp(UINT, POINT) { Default(); }

HBRUSH CWnd::OnCtlColor(HDC, HWND control, UINT)
{
    if (CWnd* child = FromHandlePermanent(control)) {
        LRESULT reflected = 0;
        if (child->OnChildNotify(g_current.message, g_current.wParam, g_current.lParam, &reflected))
            return reinterpret_cast<HBRUSH>(reflected);
    }
    return reinterpret_cast<HBRUSH>(Default());
}

void CWnd::OnNcDestroyed()
{
    HWND hWnd = m_hWnd;
    if (reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hWnd, GWLP_WNDPROC)) == &AfxWndProc && m_pfnSuper)
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    Detach();
    m_pfnSuper = nullptr;
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd == this) {
        app->m_pMainWnd = nullptr;
        ::PostQuitMessage(0);
    }
    PostNcDestroy();
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* wnd = CWnd::FromHandlePermanent(hWnd);
    if (!wnd) return ::DefWindowProcW(hWnd, message, wParam, lParam);

    CurrentMessage saved = g_current;
    g_current = {hWnd, message, wParam, lParam};
    LRESULT result = 0;
    try {
        result = wnd->WindowProc(message, wParam, lParam);
    } catch (const std::exception& e) {
        result = ExceptionAnswer(message, e.what());
    }
    g_current = saved;
    // The object may have been detached (or rebound) by its own handler.
    if (message == WM_NCDESTROY && CWnd::FromHandlePermanent(hWnd) == wnd) wnd->OnNcDestroyed();
    return result;
}

LRESULT CALLBACK CWnd::CreateHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && g_pWndInit) {
        HWND hWnd = reinterpret_cast<HWND>(wParam);
        CWnd* wnd = g_pWndInit;
        g_pWndInit = nullptr;
        wnd->SubclassWindow(hWnd);
    }
    return ::CallNextHookEx(g_hCreateHook, code, wParam, lParam);
}

void CWnd::HookWindowCreate(CWnd* wnd)
{
    g_pWndInit = wnd;
    if (!g_hCreateHook)
        g_hCreateHook = ::SetWindowsHookExW(WH_CBT, &CWnd::CreateHookProc, nullptr, ::GetCurrentThreadId());
}

void CWnd::UnhookWindowCreate()
{
    g_pWndInit = nullptr;
    if (g_hCreateHook) {
        ::UnhookWindowsHookEx(g_hCreateHook);
        g_hCreateHook = nullptr;
    }
}

BOOL AfxPreTranslateMessage(MSG* msg, HWND stop)
{
    for (HWND hWnd = msg->hwnd; hWnd; hWnd = ::GetParent(hWnd)) {
        CWnd* wnd = CWnd::FromHandlePermanent(hWnd);
        if (wnd && wnd->PreTranslateMessage(msg)) return TRUE;
        if (hWnd == stop) break;
    }
    return FALSE;
}
