#include "CMFCButton.h"

#include <cstdlib>
#include <string>

#include "ui/translucent/LoadResourceImage.h"

IMPLEMENT_DYNAMIC(CMFCButton, CWnd)

BEGIN_MESSAGE_MAP(CMFCButton, CWnd)
    ON_MESSAGE(WM_MOUSEMOVE, &CMFCButton::OnMouseMove)
    ON_MESSAGE(WM_MOUSELEAVE, &CMFCButton::OnMouseLeave)
END_MESSAGE_MAP()

namespace {

constexpr wchar_t kClassName[] = L"MfcButton";
constexpr wchar_t kStyleProp[] = L"MFCButton_Style";
constexpr wchar_t kCursorProp[] = L"MFCButton_CursorType";
constexpr int kHandCursor = 12;
WNDPROC g_buttonProc = nullptr;

// The value of <tag>value</tag> in the settings text, or empty.
std::string TagValue(const std::string& settings, const std::string& tag)
{
    std::string open = "<" + tag + ">", close = "</" + tag + ">";
    size_t start = settings.find(open);
    if (start == std::string::npos) return {};
    start += open.size();
    size_t end = settings.find(close, start);
    return end == std::string::npos ? std::string() : settings.substr(start, end - start);
}

void ApplySettings(HWND hWnd, const char* text, size_t length)
{
    std::string settings(text, length);
    std::string style = TagValue(settings, "MFCButton_Style");
    std::string cursor = TagValue(settings, "MFCButton_CursorType");
    if (!style.empty()) ::SetPropW(hWnd, kStyleProp, reinterpret_cast<HANDLE>(std::strtol(style.c_str(), nullptr, 10)));
    if (!cursor.empty())
        ::SetPropW(hWnd, kCursorProp, reinterpret_cast<HANDLE>(std::strtol(cursor.c_str(), nullptr, 10)));
}

LRESULT CALLBACK MfcButtonProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case CMFCButton::WM_MFC_INITCTRL:
        if (lParam) ApplySettings(hWnd, reinterpret_cast<const char*>(lParam), wParam);
        return TRUE;
    case WM_SETCURSOR:
        if (reinterpret_cast<INT_PTR>(::GetPropW(hWnd, kCursorProp)) == kHandCursor) {
            ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
            return TRUE;
        }
        break;
    case WM_NCDESTROY:
        ::RemovePropW(hWnd, kStyleProp);
        ::RemovePropW(hWnd, kCursorProp);
        break;
    default:
        break;
    }
    return ::CallWindowProcW(g_buttonProc, hWnd, message, wParam, lParam);
}

}  // namespace

void CMFCButton::RegisterWindowClass()
{
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof(cls);
    if (::GetClassInfoExW(instance, kClassName, &cls)) return;
    if (!::GetClassInfoExW(nullptr, L"Button", &cls)) return;
    g_buttonProc = cls.lpfnWndProc;
    cls.cbSize = sizeof(cls);
    cls.lpfnWndProc = &MfcButtonProc;
    cls.hInstance = instance;
    cls.lpszClassName = kClassName;
    cls.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    ::RegisterClassExW(&cls);
}

CMFCButton::CMFCButton() = default;
CMFCButton::~CMFCButton() = default;

void CMFCButton::PreSubclassWindow()
{
    m_nFlatStyle = static_cast<int>(reinterpret_cast<INT_PTR>(::GetPropW(m_hWnd, kStyleProp)));
    // Drawn by DrawItem from here on; the button type becomes owner-drawn.
    DWORD style = GetStyle();
    ::SetWindowLongW(m_hWnd, GWL_STYLE, static_cast<LONG>((style & ~BS_TYPEMASK) | BS_OWNERDRAW));
}

void CMFCButton::SetImage(UINT normalId, UINT hotId, UINT disabledId)
{
    auto load = [](UINT id) { return std::unique_ptr<Gdiplus::Image>(id ? LoadResourceImage(id, L"PNG", nullptr) : nullptr); };
    m_normal = load(normalId);
    m_hot = load(hotId);
    m_disabled = load(disabledId);
    if (m_hWnd) ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

BOOL CMFCButton::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT* result)
{
    if (message != WM_DRAWITEM) return FALSE;
    DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    *result = TRUE;
    return TRUE;
}

LRESULT CMFCButton::OnMouseMove(WPARAM, LPARAM)
{
    if (!m_bHighlighted) {
        m_bHighlighted = true;
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, m_hWnd, 0};
        ::TrackMouseEvent(&track);
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
    }
    return Default();
}

LRESULT CMFCButton::OnMouseLeave(WPARAM, LPARAM)
{
    m_bHighlighted = false;
    ::InvalidateRect(m_hWnd, nullptr, FALSE);
    return Default();
}

void CMFCButton::DrawParentBackground(HDC dc)
{
    HWND parent = ::GetParent(m_hWnd);
    POINT origin{0, 0};
    ::MapWindowPoints(m_hWnd, parent, &origin, 1);
    POINT previous{};
    ::OffsetViewportOrgEx(dc, -origin.x, -origin.y, &previous);
    ::SendMessageW(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    ::SendMessageW(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    ::SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
}

void CMFCButton::DrawItem(const DRAWITEMSTRUCT& item)
{
    HDC dc = item.hDC;
    const RECT& rect = item.rcItem;
    if (m_bTransparent)
        DrawParentBackground(dc);
    else
        ::FillRect(dc, &rect, ::GetSysColorBrush(COLOR_BTNFACE));
    if (m_nFlatStyle != BUTTONSTYLE_NOBORDERS && !m_bTransparent) {
        RECT edge = rect;
        ::DrawEdge(dc, &edge, (item.itemState & ODS_SELECTED) ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    }
    Gdiplus::Image* image = m_normal.get();
    if ((item.itemState & ODS_DISABLED) && m_disabled)
        image = m_disabled.get();
    else if (m_bHighlighted && m_hot)
        image = m_hot.get();
    if (!image) return;
    Gdiplus::Graphics graphics(dc);
    int width = static_cast<int>(image->GetWidth()), height = static_cast<int>(image->GetHeight());
    int x = rect.left + (rect.right - rect.left - width) / 2, y = rect.top + (rect.bottom - rect.top - height) / 2;
    graphics.DrawImage(image, x, y, width, height);
}
