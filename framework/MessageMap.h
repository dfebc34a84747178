#pragma once
#include <windows.h>

class CCmdTarget;

// One routed message: the message, for WM_COMMAND the command range, and a
// thunk that cracks the parameters and calls the member handler. The thunk
// stores the handler's answer in `result`.
struct AFX_MSGMAP_ENTRY {
    UINT nMessage;
    UINT nFirstID;
    UINT nLastID;
    void (*pfnThunk)(CCmdTarget* target, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Stands for every WM_CTLCOLOR* message in a message map; the kind of request
// (CTLCOLOR_DLG, CTLCOLOR_STATIC, ...) reaches the handler as its third argument,
// since WM_CTLCOLORMSGBOX..WM_CTLCOLORSTATIC are numbered in CTLCOLOR_* order.
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif

#define DECLARE_MESSAGE_MAP()                                 \
protected:                                                    \
    static const AFX_MSGMAP* GetThisMessageMap();             \
                                                              \
public:                                                       \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                    \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                               \
    {                                                                             \
        using ThisClass = theClass;                                               \
        using TheBaseClass = baseClass;                                           \
        static const AFX_MSGMAP_ENTRY entries[] = {

#define END_MESSAGE_MAP()                                                      \
    {0, 0, 0, nullptr}                                                         \
    }                                                                          \
    ;                                                                          \
    static_assert(sizeof(ThisClass) > 0, "complete class");                    \
    static const AFX_MSGMAP map = {&TheBaseClass::GetThisMessageMap, entries}; \
    return &map;                                                               \
    }

#define AFX_MSG_ENTRY(msg, first, last, body)                                             \
    {msg, first, last, [](CCmdTarget* target, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) { \
         auto* self = static_cast<ThisClass*>(target);                                    \
         (void)self; (void)message; (void)wParam; (void)lParam; (void)result;                             \
         body;                                                                            \
     }},

#define AFX_X_LPARAM(lp) static_cast<int>(static_cast<short>(LOWORD(lp)))
#define AFX_Y_LPARAM(lp) static_cast<int>(static_cast<short>(HIWORD(lp)))

#define ON_COMMAND(id, memberFxn) AFX_MSG_ENTRY(WM_COMMAND, id, id, (self->*(memberFxn))())
#define ON_COMMAND_RANGE(first, last, memberFxn) \
    AFX_MSG_ENTRY(WM_COMMAND, first, last, (self->*(memberFxn))(LOWORD(wParam)))
#define ON_MESSAGE(msg, memberFxn) AFX_MSG_ENTRY(msg, 0, 0, result = (self->*(memberFxn))(wParam, lParam))

#define ON_WM_CREATE() \
    AFX_MSG_ENTRY(WM_CREATE, 0, 0, result = self->OnCreate(reinterpret_cast<LPCREATESTRUCTW>(lParam)))
#define ON_WM_DESTROY() AFX_MSG_ENTRY(WM_DESTROY, 0, 0, self->OnDestroy())
#define ON_WM_CLOSE() AFX_MSG_ENTRY(WM_CLOSE, 0, 0, self->OnClose())
#define ON_WM_MOVE() AFX_MSG_ENTRY(WM_MOVE, 0, 0, self->OnMove(AFX_X_LPARAM(lParam), AFX_Y_LPARAM(lParam)))
#define ON_WM_SIZE() \
    AFX_MSG_ENTRY(WM_SIZE, 0, 0, self->OnSize(static_cast<UINT>(wParam), AFX_X_LPARAM(lParam), AFX_Y_LPARAM(lParam)))
#define ON_WM_ERASEBKGND() \
    AFX_MSG_ENTRY(WM_ERASEBKGND, 0, 0, result = self->OnEraseBkgnd(reinterpret_cast<HDC>(wParam)))
#define AFX_ON_MOUSE(msg, handler) \
    AFX_MSG_ENTRY(msg, 0, 0, self->handler(static_cast<UINT>(wParam), POINT{AFX_X_LPARAM(lParam), AFX_Y_LPARAM(lParam)}))
#define ON_WM_LBUTTONDOWN() AFX_ON_MOUSE(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_RBUTTONDOWN() AFX_ON_MOUSE(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_ON_MOUSE(WM_RBUTTONUP, OnRButtonUp)
#define ON_WM_CTLCOLOR()                                                                        \
    AFX_MSG_ENTRY(WM_CTLCOLOR, 0, 0,                                                            \
                  result = reinterpret_cast<LRESULT>(self->OnCtlColor(                          \
                      reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam),            \
                      static_cast<UINT>(message - WM_CTLCOLORMSGBOX))))
