#include "CDialog.h"

#include <cstring>

#include "CMFCButton.h"
#include "COleControlSite.h"
#include "CWinApp.h"
#include "ControlContainer.h"
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
    for (const DialogControlItem& item : m_controlItems) {
        CLSID clsid{};
        if (FAILED(::CLSIDFromString(item.clsid.c_str(), &clsid))) continue;
        RECT rect = item.rect;
        ::MapDialogRect(m_hWnd, &rect);
        DWORD length = 0;
        const BYTE* state = FindDlgInitRecord(static_cast<WORD>(item.id), kOleControlState, &length);
        COleControlSite* site = CreateControlSite();
        if (site) site->CreateControl(m_hWnd, item.id, rect, item.style, clsid, state, length);
    }
    m_controlItems.clear();
}

const BYTE* CDialog::FindDlgInitRecord(WORD control, WORD message, DWORD* length) const
{
    *length = 0;
    HINSTANCE module = AfxGetResourceHandle();
    HRSRC found = ::FindResourceW(module, m_lpszTemplateName, MAKEINTRESOURCEW(240));
    if (!found) return nullptr;
    auto* data = static_cast<const BYTE*>(::LockResource(::LoadResource(module, found)));
    DWORD size = ::SizeofResource(module, found);
    for (DWORD offset = 0; data && offset + 8 <= size;) {
        WORD id = 0, msg = 0;
        DWORD bytes = 0;
        std::memcpy(&id, data + offset, 2);
        if (id == 0) break;
        std::memcpy(&msg, data + offset + 2, 2);
        std::memcpy(&bytes, data + offset + 4, 4);
        offset += 8;
        if (bytes > size - offset) break;
        if (id == control && msg == message) {
            *length = bytes;
            return data + offset;
        }
        offset += bytes;
    }
    return nullptr;
}

BOOL CDialog::OnInitDialog()
{
    BOOL ok = ExecuteDlgInit(m_lpszTemplateName);
    UpdateData(FALSE);
    return ok;
}

BOOL CDialog::ExecuteDlgInit(LPCWSTR templateName)
{
    HINSTANCE module = AfxGetResourceHandle();
    HRSRC found = ::FindResourceW(module, templateName, MAKEINTRESOURCEW(240));
    if (!found) return TRUE;
    auto* data = static_cast<const BYTE*>(::LockResource(::LoadResource(module, found)));
    DWORD size = ::SizeofResource(module, found);
    if (!data) return TRUE;

    // Records: control id (16 bits), message (16 bits), length (32 bits),
    // bytes; not aligned; a zero control id ends the list.
    DWORD offset = 0;
    while (offset + 2 <= size) {
        WORD control = 0, message = 0;
        DWORD length = 0;
        std::memcpy(&control, data + offset, 2);
        if (control == 0 || offset + 8 > size) break;
        std::memcpy(&message, data + offset + 2, 2);
        std::memcpy(&length, data + offset + 4, 4);
        offset += 8;
        if (length > size - offset) return FALSE;
        const BYTE* bytes = data + offset;
        offset += length;
        if (message == kOleControlState) continue;  // used when the control is created
        HWND target = ::GetDlgItem(m_hWnd, static_cast<short>(control));
        if (!target) continue;
        if (message == CB_ADDSTRING || message == LB_ADDSTRING)
            ::SendMessageA(target, message, 0, reinterpret_cast<LPARAM>(bytes));
        else
            ::SendMessageW(target, message, length, reinterpret_cast<LPARAM>(bytes));
    }
    return TRUE;
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
