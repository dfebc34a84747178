#include <gtest/gtest.h>

#include "TestResources.h"
#include "TestSupport.h"
#include "framework/CClientDC.h"
#include "TestTranslucentDlg.h"
#include "ui/translucent/CStandardDialog.h"

namespace {

constexpr COLORREF kKey = RGB(0, 255, 0);

int g_companionsAlive = 0;

class TestCompanion : public CStandardDialog {
public:
    explicit TestCompanion(CWnd* parent, bool swallowOk = false)
        : CStandardDialog(IDD_TEST_COMPANION, kKey, parent), m_swallowOk(swallowOk)
    {
        ++g_companionsAlive;
    }
    ~TestCompanion() override { --g_companionsAlive; }
    HBRUSH KeyBrush() const { return m_brushKey.GetSafeHandle(); }
    void OnOK() override
    {
        if (!m_swallowOk) CStandardDialog::OnOK();
    }

private:
    bool m_swallowOk;
};

RECT WindowRect(HWND hWnd)
{
    RECT rect{};
    ::GetWindowRect(hWnd, &rect);
    return rect;
}

bool SameRect(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

class Companion : public TranslucentWindow {
protected:
    void SetUp() override
    {
        dialog.companionFactory = [](TestTranslucentDlg& owner) { return new TestCompanion(&owner); };
    }
    TestCompanion& companion() { return *static_cast<TestCompanion*>(dialog.Companion()); }
};

size_t CountOf(const std::vector<LoggedMessage>& log, UINT message)
{
    return std::count_if(log.begin(), log.end(), [&](const LoggedMessage& m) { return m.message == message; });
}

}  // namespace

TEST_F(Companion, IsCreatedOwnedVisibleAndColourKeyedWithItsOwner)
{
    Create();
    ASSERT_NE(dialog.Companion(), nullptr);
    HWND panel = companion().m_hWnd;
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(::IsWindowVisible(panel));
    EXPECT_EQ(::GetWindow(panel, GW_OWNER), dialog.m_hWnd);
    EXPECT_TRUE(::GetWindowLongW(panel, GWL_EXSTYLE) & WS_EX_LAYERED);
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(::GetLayeredWindowAttributes(panel, &key, &alpha, &flags));
    EXPECT_EQ(key, kKey);
    EXPECT_EQ(flags, DWORD(LWA_COLORKEY));
    EXPECT_TRUE(SameRect(WindowRect(panel), WindowRect(dialog.m_hWnd))) << "laid exactly over its owner";
}

TEST_F(Companion, FollowsMovesAndSizesOfItsOwner)
{
    Create();
    HWND panel = companion().m_hWnd;
    dialog.MoveWindow(100, 50, 1278, 708);
    EXPECT_TRUE(SameRect(WindowRect(panel), RECT{100, 50, 1378, 758}));
    dialog.SetWindowPos(nullptr, 0, 0, 600, 400, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_TRUE(SameRect(WindowRect(panel), RECT{100, 50, 700, 450}));
    dialog.SetWindowPos(nullptr, 240, 130, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_TRUE(SameRect(WindowRect(panel), WindowRect(dialog.m_hWnd)));
}

TEST_F(Companion, WithChildrenOnlyTakesSizesButNotMoves)
{
    Create();
    HWND panel = companion().m_hWnd;
    RECT before = WindowRect(panel);
    dialog.m_bChildrenOnly = true;
    dialog.SetWindowPos(nullptr, 10, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(WindowRect(panel).left, before.left);
    EXPECT_EQ(WindowRect(panel).top, before.top);
    dialog.SetWindowPos(nullptr, 0, 0, 500, 300, SWP_NOMOVE | SWP_NOZORDER);
    RECT after = WindowRect(panel);
    EXPECT_EQ(after.right - after.left, 500);
    EXPECT_EQ(after.bottom - after.top, 300);
}

TEST_F(Companion, GoesWithItsOwnerAndIsDeletedWithTheOwnerObject)
{
    {
        TestTranslucentDlg owner;
        owner.companionFactory = [](TestTranslucentDlg& o) { return new TestCompanion(&o); };
        ASSERT_TRUE(owner.Create(IDD_TEST_TRANSLUCENT));
        EXPECT_EQ(g_companionsAlive, 1);
        HWND panel = owner.Companion()->m_hWnd;
        owner.DestroyWindow();
        EXPECT_FALSE(::IsWindow(panel));
        EXPECT_EQ(owner.Companion()->m_hWnd, nullptr);
        EXPECT_EQ(g_companionsAlive, 1) << "the object lives as long as its owner object";
    }
    EXPECT_EQ(g_companionsAlive, 0);
}

TEST(CompanionConstruction, CreatesNeitherWindowNorBrush)
{
    TestCompanion companion(nullptr);
    EXPECT_EQ(companion.m_hWnd, nullptr);
    EXPECT_EQ(companion.KeyBrush(), nullptr);
}

TEST_F(Companion, AnswersOnlyTheDialogBackgroundWithTheKeyBrush)
{
    Create();
    HWND panel = companion().m_hWnd;
    CClientDC dc(panel);
    HBRUSH first = reinterpret_cast<HBRUSH>(::SendMessageW(panel, WM_CTLCOLORDLG, WPARAM(dc.Get()), LPARAM(panel)));
    HBRUSH second = reinterpret_cast<HBRUSH>(::SendMessageW(panel, WM_CTLCOLORDLG, WPARAM(dc.Get()), LPARAM(panel)));
    EXPECT_NE(first, nullptr);
    EXPECT_EQ(first, companion().KeyBrush());
    EXPECT_EQ(first, second) << "the same brush on every request";
    LOGBRUSH info{};
    ::GetObjectW(first, sizeof(info), &info);
    EXPECT_EQ(info.lbColor, kKey);

    struct Request {
        UINT message;
        int control;
    } others[] = {{WM_CTLCOLORSTATIC, IDC_TEST_STATIC}, {WM_CTLCOLORBTN, IDC_TEST_BUTTON}, {WM_CTLCOLOREDIT, IDC_TEST_EDIT},
                  {WM_CTLCOLORLISTBOX, IDC_TEST_EDIT}, {WM_CTLCOLORSCROLLBAR, IDC_TEST_EDIT}};
    for (const Request& r : others) {
        HWND control = ::GetDlgItem(panel, r.control);
        LRESULT brush = ::SendMessageW(panel, r.message, WPARAM(dc.Get()), LPARAM(control));
        EXPECT_NE(reinterpret_cast<HBRUSH>(brush), companion().KeyBrush()) << std::hex << r.message;
    }
}

TEST_F(Companion, CancelClosesTheOwnerFirstAndSynchronously)
{
    Create();
    HWND panel = companion().m_hWnd;
    bool companionShownAtClose = false;
    dialog.onClose = [&](TestTranslucentDlg&) { companionShownAtClose = ::IsWindowVisible(panel); };
    ::SendMessageW(panel, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(CountOf(dialog.log, WM_CLOSE), 1u) << "the owner had its WM_CLOSE before the command returned";
    EXPECT_TRUE(companionShownAtClose) << "before the companion's own cancel handling";
    EXPECT_FALSE(::IsWindowVisible(panel)) << "then the plain dialog's cancel";
}

TEST_F(Companion, OkClosesTheOwnerUnlessOverridden)
{
    Create();
    ::SendMessageW(companion().m_hWnd, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(CountOf(dialog.log, WM_CLOSE), 1u);

    TestTranslucentDlg other;
    other.companionFactory = [](TestTranslucentDlg& o) { return new TestCompanion(&o, true); };
    ASSERT_TRUE(other.Create(IDD_TEST_TRANSLUCENT));
    ::SendMessageW(other.Companion()->m_hWnd, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(CountOf(other.log, WM_CLOSE), 0u);
    EXPECT_TRUE(::IsWindowVisible(other.Companion()->m_hWnd));
    other.DestroyWindow();
}

TEST(CompanionWithoutParent, CancelDoesOnlyThePlainDialogsHandling)
{
    TestCompanion companion(nullptr);
    companion.CreateAndShow();
    ASSERT_NE(companion.m_hWnd, nullptr);
    EXPECT_TRUE(::IsWindowVisible(companion.m_hWnd));
    ::SendMessageW(companion.m_hWnd, WM_COMMAND, IDCANCEL, 0);
    EXPECT_FALSE(::IsWindowVisible(companion.m_hWnd));
    companion.DestroyWindow();
}

TEST(CompanionKeys, EscapeInTheCompanionEndsTheOwnersModalRun)
{
    TestTranslucentDlg dialog;
    dialog.companionFactory = [](TestTranslucentDlg& o) { return new TestCompanion(&o); };
    dialog.beforeFirstRender = [](TestTranslucentDlg& d) {
        ::PostMessageW(::GetDlgItem(d.Companion()->m_hWnd, IDC_TEST_EDIT), WM_KEYDOWN, VK_ESCAPE, 1);
        ::SetTimer(d.m_hWnd, 1, 5000, nullptr);  // ends the run with 42 if Escape does not
    };
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(CountOf(dialog.log, WM_CLOSE), 1u);
}
