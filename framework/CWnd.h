#pragma once
#include "CCmdTarget.h"

// A window object. Bound to at most one HWND through a process-wide map;
// messages of a bound window go through the object's message map, and what
// no entry takes falls through to Default().
class CWnd : public CCmdTarget {
    DECLARE_DYNAMIC(CWnd)
public:
    CWnd() = default;
    ~CWnd() override;

    HWND m_hWnd = nullptr;
    operator HWND() const { return m_hWnd; }
    HWND GetSafeHwnd() const { return m_hWnd; }

    // The object bound to `hWnd`, or null.
    static CWnd* FromHandlePermanent(HWND hWnd);

    // Bind and unbind without touching the window. After Detach the window's
    // messages get default window processing.
    BOOL Attach(HWND hWnd);
    HWND Detach();

    // Bind and route the window's messages through this object; the previous
    // window procedure becomes the default processing.
    BOOL SubclassWindow(HWND hWnd);
    // Runs once the window is bound by SubclassWindow.
    virtual void PreSubclassWindow() {}
    BOOL SubclassDlgItem(UINT id, CWnd* parent);

    BOOL DestroyWindow();

    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT swpFlags = 0);
    BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT swpFlags = 0);
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags);
    BOOL ShowWindow(int cmdShow);
    void GetWindowRect(LPRECT rect) const;
    void GetClientRect(LPRECT rect) const;
    void SetWindowText(LPCWSTR text);
    CWnd* GetParent() const;
    HWND GetDlgItem(int id) const;
    int GetDlgCtrlID() const;
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    // Offered every queued message for this window or its descendants before
    // it is dispatched; TRUE means it has been handled.
    virtual BOOL PreTranslateMessage(MSG* msg);

    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // A notification the parent reflects to its child's object (WM_CTLCOLOR*).
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Called after the window's last message; the object is unbound by then.
    virtual void PostNcDestroy() {}

    // Calls the IDispatch of the ActiveX control hosted in this window, with
    // a VTS_ description of the arguments that follow; the COM status.
    HRESULT InvokeHelper(DISPID id, WORD flags, VARTYPE resultType, void* result, const char* params, ...);

    // Default processing of the message being handled.
    LRESULT Default();

    int OnCreate(LPCREATESTRUCTW cs);
    void OnDestroy();
    void OnClose();
    void OnMove(int x, int y);
    void OnSize(UINT type, int cx, int cy);
    BOOL OnEraseBkgnd(HDC dc);
    void OnLButtonDown(UINT flags, POINT point);
    void OnRButtonDown(UINT flags, POINT point);
    void OnRButtonUp(UINT flags, POINT point);
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT ctlColor);

protected:
    // Binds the next window that this thread creates to `wnd`, from its first
    // message on. Unhook once the creating call has returned.
    static void HookWindowCreate(CWnd* wnd);
    static void UnhookWindowCreate();
    friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);

    WNDPROC m_pfnSuper = nullptr;

    DECLARE_MESSAGE_MAP()

private:
    void OnNcDestroyed();
    static LRESULT CALLBACK CreateHookProc(int code, WPARAM wParam, LPARAM lParam);
};

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// Offers `msg` to PreTranslateMessage of the bound windows from its target up
// to `stop` (through GetParent, so an owned pop-up reaches its owner).
BOOL AfxPreTranslateMessage(MSG* msg, HWND stop);
