#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include "TestResources.h"
#include "TestSupport.h"
#include "res/resource.h"
#include "ui/translucent/CTranslucentDialog.h"
#include "ui/translucent/LoadResourceImage.h"

namespace {

constexpr UINT WM_TEST_FINISH = WM_APP + 1;

struct LoggedMessage {
    UINT message;
    WPARAM wParam;
    bool operator==(const LoggedMessage& other) const { return message == other.message && wParam == other.wParam; }
};

// Counts its Draw calls and paints a solid square at (10,10)-(30,30).
class RecordingWidget : public CTranslucentWidget {
public:
    explicit RecordingWidget(bool visible) { m_bVisible = visible; }
    void Draw(Gdiplus::Graphics& graphics) override
    {
        ++draws;
        Gdiplus::SolidBrush red(Gdiplus::Color(255, 255, 0, 0));
        graphics.FillRectangle(&red, 10, 10, 20, 20);
    }
    int draws = 0;
};

class TestTranslucentDlg : public CTranslucentDialog {
public:
    explicit TestTranslucentDlg(UINT image = IDB_LAUNCHER_BACKGROUND, LPCWSTR type = L"PNG")
        : CTranslucentDialog(IDD_TEST_TRANSLUCENT, image, type, nullptr, nullptr)
    {
    }
    using CTranslucentDialog::m_bCenterWindow;
    using CTranslucentDialog::m_bChildrenOnly;
    using CTranslucentDialog::m_bEnableDrag;
    using CTranslucentDialog::m_bHoldRender;
    using CTranslucentDialog::m_blend;
    using CTranslucentDialog::m_children;

    std::function<void(TestTranslucentDlg&)> beforeFirstRender;
    std::vector<LoggedMessage> log;

protected:
    CStandardDialog* CreateCompanionDialog() override { return nullptr; }
    void OnBeforeFirstRender() override
    {
        if (beforeFirstRender) beforeFirstRender(*this);
    }
    LRESULT Record(WPARAM wParam, LPARAM)
    {
        log.push_back({m_lastMessage, wParam});
        return 0;
    }
    LRESULT OnKeyDown(WPARAM wParam, LPARAM lParam) { return m_lastMessage = WM_KEYDOWN, Record(wParam, lParam); }
    LRESULT OnKeyUp(WPARAM wParam, LPARAM lParam) { return m_lastMessage = WM_KEYUP, Record(wParam, lParam); }
    // Recorded instead of entering the system's move loop.
    LRESULT OnSysCommand(WPARAM wParam, LPARAM lParam) { return m_lastMessage = WM_SYSCOMMAND, Record(wParam, lParam); }
    LRESULT OnFinish(WPARAM, LPARAM)
    {
        EndDialog(42);
        return 0;
    }
    DECLARE_MESSAGE_MAP()

private:
    UINT m_lastMessage = 0;
};

BEGIN_MESSAGE_MAP(TestTranslucentDlg, CTranslucentDialog)
    ON_MESSAGE(WM_KEYDOWN, &TestTranslucentDlg::OnKeyDown)
    ON_MESSAGE(WM_KEYUP, &TestTranslucentDlg::OnKeyUp)
    ON_MESSAGE(WM_SYSCOMMAND, &TestTranslucentDlg::OnSysCommand)
    ON_MESSAGE(WM_TEST_FINISH, &TestTranslucentDlg::OnFinish)
END_MESSAGE_MAP()

RECT WindowRect(HWND hWnd)
{
    RECT rect{};
    ::GetWindowRect(hWnd, &rect);
    return rect;
}

RECT WorkArea()
{
    RECT rect{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rect, 0);
    return rect;
}

}  // namespace

TEST(CenterOnWorkArea, TruncatesEachHalfTowardZero)
{
    struct Case {
        RECT workArea;
        SIZE frame;
        POINT expected;
    } cases[] = {
        {{0, 0, 1920, 1040}, {1284, 737}, {318, 151}},
        {{0, 0, 1000, 800}, {1285, 737}, {-142, 31}},
        {{100, 50, 1100, 850}, {1000, 800}, {100, 50}},
        {{0, 0, 1920, 1080}, {1285, 734}, {317, 173}},
    };
    for (const Case& c : cases) {
        POINT at = CenterOnWorkArea(c.workArea, c.frame);
        EXPECT_EQ(at.x, c.expected.x);
        EXPECT_EQ(at.y, c.expected.y);
    }
}

class TranslucentWindow : public ::testing::Test {
protected:
    void TearDown() override
    {
        if (dialog.m_hWnd) dialog.DestroyWindow();
        PumpPending();
    }
    void Create()
    {
        ASSERT_TRUE(dialog.Create(IDD_TEST_TRANSLUCENT));
        PumpPending();
    }
    TestTranslucentDlg dialog;
};

TEST_F(TranslucentWindow, IsCentredWithItsFrameAndSizedToTheBareImage)
{
    Create();
    SIZE frame = FrameSize(WS_CAPTION | WS_SYSMENU, 1278, 708);
    POINT expected = CenterOnWorkArea(WorkArea(), frame);
    RECT rect = WindowRect(dialog.m_hWnd);
    EXPECT_EQ(rect.left, expected.x);
    EXPECT_EQ(rect.top, expected.y);
    EXPECT_EQ(rect.right - rect.left, 1278);
    EXPECT_EQ(rect.bottom - rect.top, 708);

    RECT client{};
    ::GetClientRect(dialog.m_hWnd, &client);
    EXPECT_EQ(client.right, 1278) << "no frame is left";
    EXPECT_EQ(client.bottom, 708);
    DWORD style = dialog.GetStyle();
    EXPECT_FALSE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_TRUE(dialog.GetExStyle() & WS_EX_LAYERED);
    EXPECT_EQ(dialog.m_blend.SourceConstantAlpha, 255);
    EXPECT_EQ(dialog.m_blend.AlphaFormat, AC_SRC_ALPHA);
}

TEST_F(TranslucentWindow, KeepsTheTemplatePositionWhenNotCentring)
{
    dialog.m_bCenterWindow = false;
    Create();
    RECT rect = WindowRect(dialog.m_hWnd);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(rect.right, 1278);
    EXPECT_EQ(rect.bottom, 708);
}

TEST_F(TranslucentWindow, ShowsTheImageWithItsOwnAlpha)
{
    Create();
    RECT rect = WindowRect(dialog.m_hWnd);
    std::vector<ScreenPixel> screen = CaptureScreen(rect);
    ASSERT_EQ(screen.size(), 1278u * 708u);

    Gdiplus::Bitmap* source = static_cast<Gdiplus::Bitmap*>(LoadResourceImage(IDB_LAUNCHER_BACKGROUND, L"PNG", nullptr));
    std::unique_ptr<Gdiplus::Bitmap> owned(source);
    Gdiplus::Rect all(0, 0, 1278, 708);
    Gdiplus::BitmapData data{};
    ASSERT_EQ(source->LockBits(&all, Gdiplus::ImageLockModeRead, PixelFormat32bppPARGB, &data), Gdiplus::Ok);
    int mismatches = 0, compared = 0;
    for (int y = 0; y < 708; y += 3) {
        auto* row = static_cast<const BYTE*>(data.Scan0) + y * data.Stride;
        for (int x = 0; x < 1278; x += 3) {
            const BYTE* expected = row + 4 * x;  // B, G, R, A premultiplied
            const ScreenPixel& seen = screen[y * 1278 + x];
            ++compared;
            if (std::abs(seen.b - expected[0]) > 3 || std::abs(seen.g - expected[1]) > 3 ||
                std::abs(seen.r - expected[2]) > 3)
                ++mismatches;
        }
    }
    source->UnlockBits(&data);
    EXPECT_EQ(mismatches, 0) << "of " << compared << " sampled pixels";
    const ScreenPixel& corner = screen[0];
    EXPECT_EQ(corner.r + corner.g + corner.b, 0) << "a fully transparent corner shows the black root";
}

TEST_F(TranslucentWindow, DrawsVisibleWidgetsOverTheImage)
{
    RecordingWidget shown(true), hidden(false);
    dialog.m_children = {&hidden, &shown};
    Create();
    EXPECT_EQ(shown.draws, 1);
    EXPECT_EQ(hidden.draws, 0);
    RECT rect = WindowRect(dialog.m_hWnd);
    std::vector<ScreenPixel> screen = CaptureScreen(rect);
    const ScreenPixel& square = screen[20 * 1278 + 20];
    EXPECT_EQ(square.r, 255);
    EXPECT_EQ(square.g, 0);
}

TEST_F(TranslucentWindow, ChildrenOnlyDrawsEveryWidgetAndShrinksTheImage)
{
    RecordingWidget hidden(false);
    dialog.m_children = {&hidden};
    Create();
    ASSERT_EQ(hidden.draws, 0);
    dialog.m_bChildrenOnly = true;
    dialog.Render();
    EXPECT_EQ(hidden.draws, 1);
    RECT rect = WindowRect(dialog.m_hWnd);
    std::vector<ScreenPixel> screen = CaptureScreen(rect);
    const ScreenPixel& middle = screen[354 * 1278 + 639];
    EXPECT_EQ(middle.r + middle.g + middle.b, 0) << "the image lands in one pixel";
    EXPECT_EQ(screen[20 * 1278 + 20].r, 255);
}

TEST_F(TranslucentWindow, RenderRequestsAreHeldOnRequest)
{
    RecordingWidget widget(true);
    dialog.m_children = {&widget};
    Create();
    IRenderListener& listener = dialog;
    listener.OnRenderRequest(nullptr);
    EXPECT_EQ(widget.draws, 2);
    dialog.m_bHoldRender = true;
    listener.OnRenderRequest(nullptr);
    EXPECT_EQ(widget.draws, 2);
}

TEST_F(TranslucentWindow, LeftButtonStartsASystemMoveOnlyWhenDragIsEnabled)
{
    Create();
    dialog.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 100));
    ASSERT_EQ(dialog.log.size(), 1u);
    EXPECT_EQ(dialog.log[0], (LoggedMessage{WM_SYSCOMMAND, 0xF012}));

    dialog.log.clear();
    dialog.m_bEnableDrag = false;
    dialog.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 100));
    EXPECT_TRUE(dialog.log.empty());
}

TEST(TranslucentWindowImage, MissingImageGivesAnEmptyWindowAndPresentsNothing)
{
    for (UINT image : {UINT(IDB_TEST_MISSING), UINT(IDB_TEST_GARBAGE)}) {
        TestTranslucentDlg dialog(image);
        RecordingWidget widget(true);
        dialog.m_children = {&widget};
        ASSERT_TRUE(dialog.Create(IDD_TEST_TRANSLUCENT));
        RECT rect = WindowRect(dialog.m_hWnd);
        EXPECT_EQ(rect.right - rect.left, 0);
        EXPECT_EQ(rect.bottom - rect.top, 0);
        EXPECT_EQ(widget.draws, 0) << "no section, so nothing is composed";
        dialog.DestroyWindow();
    }
}

TEST(TranslucentWindowKeys, EnterAndEscapeGoStraightToTheWindowAndNeverEndTheDialog)
{
    TestTranslucentDlg dialog;
    dialog.beforeFirstRender = [](TestTranslucentDlg& d) {
        for (WPARAM key : {WPARAM(VK_RETURN), WPARAM(VK_ESCAPE)}) {
            d.PostMessage(WM_KEYDOWN, key, 1);
            d.PostMessage(WM_KEYUP, key, 0xC0000001);
        }
        d.PostMessage(WM_TEST_FINISH);
    };
    EXPECT_EQ(dialog.DoModal(), 42);
    std::vector<LoggedMessage> expected = {
        {WM_KEYDOWN, VK_RETURN}, {WM_KEYUP, VK_RETURN}, {WM_KEYDOWN, VK_ESCAPE}, {WM_KEYUP, VK_ESCAPE}};
    EXPECT_EQ(dialog.log, expected);
}
