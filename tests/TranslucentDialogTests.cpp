#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include "TestResources.h"
#include "TestTranslucentDlg.h"
#include "TestSupport.h"
#include "res/resource.h"
#include "ui/translucent/CTranslucentDialog.h"
#include "ui/translucent/LoadResourceImage.h"

namespace {

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
