#include "CTranslucentDialog.h"

#include <cstring>

#include "CStandardDialog.h"
#include "LayeredWindowApi.h"
#include "LoadResourceImage.h"
#include "framework/CClientDC.h"
#include "framework/CHandle.h"
#include "framework/CSelectObject.h"

BEGIN_MESSAGE_MAP(CTranslucentDialog, CDialog)
    ON_WM_ERASEBKGND()
    ON_WM_MOVE()
    ON_WM_SIZE()
    ON_WM_CREATE()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

POINT CenterOnWorkArea(const RECT& workArea, SIZE frame)
{
    LONG width = workArea.right - workArea.left;
    LONG height = workArea.bottom - workArea.top;
    return POINT{workArea.left + (width - frame.cx) / 2, workArea.top + (height - frame.cy) / 2};
}

CTranslucentDialog::CTranslucentDialog(UINT templateId, UINT imageId, LPCWSTR imageType, HINSTANCE imageModule,
                                       CWnd* parent)
    : CDialog(templateId, parent), m_pImage(LoadResourceImage(imageId, imageType, imageModule))
{
}

CTranslucentDialog::~CTranslucentDialog()
{
    m_pCompanion.reset();
    m_pImage.reset();
    m_children.clear();
}

SIZE CTranslucentDialog::ImageSize() const
{
    if (!m_pImage) return SIZE{0, 0};
    return SIZE{static_cast<LONG>(m_pImage->GetWidth()), static_cast<LONG>(m_pImage->GetHeight())};
}

int CTranslucentDialog::OnCreate(LPCREATESTRUCTW cs)
{
    POINT position{cs->x, cs->y};
    SIZE image = ImageSize();
    if (m_bCenterWindow) {
        RECT frame{0, 0, image.cx, image.cy};
        ::AdjustWindowRect(&frame, static_cast<DWORD>(::GetWindowLongW(m_hWnd, GWL_STYLE)), FALSE);
        RECT workArea{};
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
        position = CenterOnWorkArea(workArea, SIZE{frame.right - frame.left, frame.bottom - frame.top});
    }

    if (Default() == -1) return -1;

    m_pCompanion.reset(CreateCompanionDialog());
    if (m_pCompanion) m_pCompanion->CreateAndShow();

    ModifyStyle(WS_CAPTION, WS_POPUP);
    MoveWindow(position.x, position.y, image.cx, image.cy, TRUE);
    return 0;
}

BOOL CTranslucentDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_bChildrenOnly = false;
    m_blend = BLENDFUNCTION{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    OnBeforeFirstRender();
    Render();
    return TRUE;
}

void CTranslucentDialog::OnRenderRequest(void*)
{
    if (!m_bHoldRender) Render();
}

void CTranslucentDialog::Compose(HDC target, SIZE size)
{
    Gdiplus::Graphics graphics(target);
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeNone);
    if (m_pImage) {
        if (m_bChildrenOnly)
            graphics.DrawImage(m_pImage.get(), 0, 0, 1, 1);
        else
            graphics.DrawImage(m_pImage.get(), 0, 0, size.cx, size.cy);
    }
    for (CTranslucentWidget* widget : m_children)
        if (widget->m_bVisible || m_bChildrenOnly) widget->Draw(graphics);
}

void CTranslucentDialog::Render()
{
    SIZE size = ImageSize();
    DWORD exStyle = static_cast<DWORD>(::GetWindowLongW(m_hWnd, GWL_EXSTYLE));
    if (!(exStyle & WS_EX_LAYERED)) ::SetWindowLongW(m_hWnd, GWL_EXSTYLE, static_cast<LONG>(exStyle | WS_EX_LAYERED));

    CClientDC screen(m_hWnd);
    CMemoryDC memory(::CreateCompatibleDC(screen));
    RECT window{};
    GetWindowRect(&window);
    POINT destination{window.left, window.top};

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = size.cy;  // bottom-up rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    info.bmiHeader.biSizeImage = 4 * size.cx * size.cy;
    void* bits = nullptr;
    CBitmapHandle section(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!section || !bits) return;

    std::memset(bits, 0, info.bmiHeader.biSizeImage);
    CSelectObject selected(memory.Get(), section.Get());
    Compose(memory.Get(), size);
    POINT source{0, 0};
    CallUpdateLayeredWindow(m_hWnd, screen, &destination, &size, memory.Get(), &source, 0, &m_blend, ULW_ALPHA);
}

void CTranslucentDialog::OnMove(int x, int y)
{
    Default();
    if (m_pCompanion && m_pCompanion->m_hWnd && !m_bChildrenOnly)
        m_pCompanion->SetWindowPos(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void CTranslucentDialog::OnSize(UINT, int cx, int cy)
{
    Default();
    if (m_pCompanion && m_pCompanion->m_hWnd)
        m_pCompanion->SetWindowPos(nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER);
}

void CTranslucentDialog::OnLButtonDown(UINT, POINT)
{
    if (m_bEnableDrag) SendMessage(WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
    Default();
}

BOOL CTranslucentDialog::OnEraseBkgnd(HDC) { return TRUE; }

BOOL CTranslucentDialog::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_KEYDOWN && (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE)) {
        ::TranslateMessage(msg);
        ::DispatchMessageW(msg);
        return TRUE;
    }
    return CDialog::PreTranslateMessage(msg);
}
