#include "CDialog.h"

#include "CMFCButton.h"
#include "COleControlSite.h"
#include "CWinApp.h"
#include "ControlContainer.h"
#include "DialogInitData.h"
#include "DialogTemplate.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_MESSAGE(WM_INITDIALOG, &CDialog::HandleInitDialog)
    ON_COMMAND(IDOK, &CDialog::OnOK)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

namespace {

INT_PTR CALLBACK AfxDlgProc(HWND, UINT, WPARAM, LPARAM)
{
    // Everything reaches the dialog object through its subclassed window
    // procedure; the dialog manager's own processing is the default.
    return FALSE;
}

constexpr WORD kOleControlState = 0x0376;  // persisted state of an ActiveX control

}  // namespace

CDialog::CDialog(UINT templateId, CWnd* parent)
    : m_lpszTemplateName(MAKEINTRESOURCEW(templateId)), m_nIDHelp(templateId), m_pParentWnd(parent)
{
}

HWND CDialog::CreateFromTemplate(HINSTANCE module, LPCWSTR templateName, HWND parent)
{
    CMFCButton::RegisterWindowClass();
    DialogTemplate dialog(module, templateName, AfxControlContainerEnabled());
    if (!dialog.Get()) return nullptr;
    m_controlItems = dialog.Controls();
    HookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParamW(module, dialog.Get(), parent, &AfxDlgProc, 0);
    UnhookWindowCreate();
    if (!hWnd && m_hWnd) Detach();
    return hWnd;
}

INT_PTR CDialog::DoModal()
{
    HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    bool ownerEnabled = owner && ::IsWindowEnabled(owner);
    if (ownerEnabled) ::EnableWindow(owner, FALSE);

    m_nModalResult = -1;
    if (CreateFromTemplate(AfxGetResourceHandle(), m_lpszTemplateName, owner)) {
        RunModalLoop();
        if (m_hWnd) {
            ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                           SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
            DestroyWindow();
        }
    }
    if (ownerEnabled && ::IsWindow(owner)) {
        ::EnableWindow(owner, TRUE);
        ::SetActiveWindow(owner);
    }
    return m_nModalResult;
}

bool CDialog::ContinueModal() const { return m_bModalRunning && m_hWnd && ::IsWindow(m_hWnd); }

int CDialog::RunModalLoop()
{
    m_bModalRunning = true;
    bool showWhenIdle = !(GetStyle() & WS_VISIBLE);
    MSG msg;
    while (ContinueModal()) {
        if (showWhenIdle && !::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            ShowWindow(SW_SHOWNORMAL);
            ::UpdateWindow(m_hWnd);
            showWhenIdle = false;
        }
        BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got == -1) break;
        if (!got) {
            // Every enclosing loop must see the quit as well.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (!AfxPreTranslateMessage(&msg, m_hWnd)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    m_bModalRunning = false;
    return static_cast<int>(m_nModalResult);
}

void CDialog::EndDialog(int result)
{
    m_nModalResult = result;
    if (m_bModalRunning) {
        m_bModalRunning = false;
        ::PostMessageW(m_hWnd, WM_NULL, 0, 0);  // wake the loop
    }
    ::EndDialog(m_hWnd, result);
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) { return Create(MAKEINTRESOURCEW(templateId), parent); }

BOOL CDialog::Create(LPCWSTR templateName, CWnd* parent)
{
    m_lpszTemplateName = templateName;
    if (IS_INTRESOURCE(templateName)) m_nIDHelp = LOWORD(reinterpret_cast<ULONG_PTR>(templateName));
    if (parent) m_pParentWnd = parent;
    HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    return CreateFromTemplate(AfxGetResourceHandle(), templateName, owner) != nullptr;
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    CreateDlgControls();
    return OnInitDialog();
}

COleControlSite* CDialog::CreateControlSite() { return new COleControlSite(); }

void CDialog::CreateDlgControls()
{
    if (m_controlItems.empty()) return;
    DialogInitData init(AfxGetResourceHandle(), m_lpszTemplateName);
    for (const DialogControlItem& item : m_controlItems) {
        CLSID clsid{};
        if (FAILED(::CLSIDFromString(item.clsid.c_str(), &clsid))) continue;
        RECT rect = item.rect;
        ::MapDialogRect(m_hWnd, &rect);
        const DialogInitData::Record* state = init.Find(static_cast<WORD>(item.id), kOleControlState);
        COleControlSite* site = CreateControlSite();
        if (site)
            site->CreateControl(m_hWnd, item.id, rect, item.style, clsid, state ? state->bytes : nullptr,
                                state ? state->length : 0);
    }
    m_controlItems.clear();
}


BOOL CDialog::OnInitDialog()
{
    BOOL ok = ExecuteDlgInit(m_lpszTemplateName);
    UpdateData(FALSE);
    return ok;
}

BOOL CDialog::ExecuteDlgInit(LPCWSTR templateName)
{
    DialogInitData init(AfxGetResourceHandle(), templateName);
    for (const DialogInitData::Record& record : init.Records()) {
        if (record.message == kOleControlState) continue;  // used when the control is created
        HWND target = ::GetDlgItem(m_hWnd, static_cast<short>(record.control));
        if (!target) continue;
        auto bytes = reinterpret_cast<LPARAM>(record.bytes);
        if (record.message == CB_ADDSTRING || record.message == LB_ADDSTRING)
            ::SendMessageA(target, record.message, 0, bytes);
        else
            ::SendMessageW(target, record.message, record.length, bytes);
    }
    return init.Complete();
}

BOOL CDialog::UpdateData(BOOL saveAndValidate)
{
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::OnOK()
{
    if (UpdateData(TRUE)) EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::PreTranslateMessage(MSG* msg)
{
    bool input = (msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST) ||
                 (msg->message >= WM_MOUSEFIRST && msg->message <= WM_MOUSELAST);
    return input && m_hWnd && ::IsDialogMessageW(m_hWnd, msg);
}
