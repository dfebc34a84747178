#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "TestResources.h"
#include "TestSupport.h"
#include "app/CTranslucentApp.h"
#include "framework/CDialog.h"

namespace {

constexpr UINT WM_TEST_STEP = WM_APP + 10;

std::vector<std::string> g_events;

// A plain dialog that records what reaches its handlers and runs a test
// step when it receives WM_TEST_STEP.
class RecordingDlg : public CDialog {
    DECLARE_DYNAMIC(RecordingDlg)
public:
    explicit RecordingDlg(std::string name, CWnd* parent = nullptr) : CDialog(IDD_TEST_PLAIN, parent), m_name(std::move(name)) {}

    std::function<void(RecordingDlg&)> onInit;
    std::function<void(RecordingDlg&)> onStep;
    HWND createdWith = nullptr;

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        if (onInit) onInit(*this);
        return TRUE;
    }
    BOOL PreTranslateMessage(MSG* msg) override
    {
        if (msg->message == WM_KEYDOWN) g_events.push_back(m_name + ".pretranslate");
        return CDialog::PreTranslateMessage(msg);
    }

protected:
    int OnCreate(LPCREATESTRUCTW cs)
    {
        createdWith = m_hWnd;
        g_events.push_back(m_name + ".create");
        return CDialog::OnCreate(cs);
    }
    void OnClose()
    {
        g_events.push_back(m_name + ".close");
        CDialog::OnClose();
    }
    void OnDestroy()
    {
        g_events.push_back(m_name + ".destroy");
        CDialog::OnDestroy();
    }
    LRESULT OnStep(WPARAM, LPARAM)
    {
        if (onStep) onStep(*this);
        return 0;
    }
    LRESULT OnThrow(WPARAM, LPARAM) { throw std::runtime_error("handler failed"); }
    LRESULT OnCommandHelp(WPARAM, LPARAM)
    {
        g_events.push_back(m_name + ".commandhelp");
        return TRUE;
    }
    DECLARE_MESSAGE_MAP()

private:
    std::string m_name;
};

IMPLEMENT_DYNAMIC(RecordingDlg, CDialog)

BEGIN_MESSAGE_MAP(RecordingDlg, CDialog)
    ON_WM_CREATE()
    ON_WM_CLOSE()
    ON_WM_DESTROY()
    ON_MESSAGE(WM_TEST_STEP, &RecordingDlg::OnStep)
    ON_MESSAGE(WM_APP + 11, &RecordingDlg::OnThrow)
    ON_MESSAGE(WM_COMMANDHELP, &RecordingDlg::OnCommandHelp)
END_MESSAGE_MAP()

// Records key-downs offered to a bound control before its dialog sees them.
class RecordingEdit : public CWnd {
public:
    BOOL PreTranslateMessage(MSG* msg) override
    {
        if (msg->message == WM_KEYDOWN) g_events.push_back("edit.pretranslate");
        return FALSE;
    }
};

class Framework : public ::testing::Test {
protected:
    void SetUp() override { g_events.clear(); }
    void TearDown() override
    {
        theApp.m_pMainWnd = nullptr;
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {  // a leftover WM_QUIT included
        }
    }
    static bool QuitPending()
    {
        MSG msg;
        return ::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != 0;
    }
};

}  // namespace

TEST_F(Framework, RunTimeClassRecordsNameTheClassAndChainToTheBase)
{
    RecordingDlg dialog("a");
    const CRuntimeClass* cls = dialog.GetRuntimeClass();
    EXPECT_STREQ(cls->m_lpszClassName, "RecordingDlg");
    EXPECT_EQ(cls->m_pBaseClass, RUNTIME_CLASS(CDialog));
    EXPECT_TRUE(dialog.IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_FALSE(dialog.IsKindOf(RUNTIME_CLASS(CWinApp)));
    EXPECT_EQ(cls->CreateObject(), nullptr) << "not dynamically creatable";
}

TEST_F(Framework, WindowIsBoundFromItsFirstMessage)
{
    RecordingDlg dialog("a");
    ASSERT_TRUE(dialog.Create(IDD_TEST_PLAIN));
    EXPECT_NE(dialog.createdWith, nullptr) << "OnCreate ran with the window bound";
    EXPECT_EQ(dialog.createdWith, dialog.m_hWnd);
    EXPECT_EQ(CWnd::FromHandlePermanent(dialog.m_hWnd), &dialog);
    HWND hWnd = dialog.m_hWnd;
    dialog.DestroyWindow();
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
    EXPECT_EQ(g_events, (std::vector<std::string>{"a.create", "a.destroy"}));
}

TEST_F(Framework, DetachedWindowIsClosedByDefaultProcessingWithoutItsHandlers)
{
    RecordingDlg dialog("a");
    ASSERT_TRUE(dialog.Create(IDD_TEST_PLAIN));
    HWND hWnd = dialog.m_hWnd;
    dialog.PostMessage(WM_CLOSE);
    EXPECT_EQ(dialog.Detach(), hWnd);
    EXPECT_TRUE(::IsWindow(hWnd));
    PumpUntil([&] { return !::IsWindow(hWnd); });
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(g_events, (std::vector<std::string>{"a.create"}));
}

TEST_F(Framework, BoundDialogCloseGoesThroughItsHandlerAndCancel)
{
    RecordingDlg dialog("a");
    dialog.onInit = [](RecordingDlg& d) { d.PostMessage(WM_CLOSE); };
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(g_events, (std::vector<std::string>{"a.create", "a.close", "a.destroy"}));
}

TEST_F(Framework, EscapeInAPlainDialogBecomesCancel)
{
    RecordingDlg dialog("a");
    dialog.onInit = [](RecordingDlg& d) { d.PostMessage(WM_KEYDOWN, VK_ESCAPE, 1); };
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(Framework, KeysAreOfferedFromTheTargetUpToTheDialog)
{
    RecordingDlg dialog("a");
    RecordingEdit edit;
    dialog.onInit = [&](RecordingDlg& d) {
        edit.SubclassDlgItem(IDC_TEST_EDIT, &d);
        ::PostMessageW(edit.m_hWnd, WM_KEYDOWN, 'A', 1);
        d.PostMessage(WM_COMMAND, IDOK);
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    std::vector<std::string> offered(g_events.begin() + 1, g_events.end() - 1);
    EXPECT_EQ(offered, (std::vector<std::string>{"edit.pretranslate", "a.pretranslate"}));
}

TEST_F(Framework, OwnedWindowGoesWithItsOwner)
{
    RecordingDlg owner("owner");
    RecordingDlg owned("owned", &owner);
    ASSERT_TRUE(owner.Create(IDD_TEST_PLAIN));
    ASSERT_TRUE(owned.Create(IDD_TEST_PLAIN, &owner));
    EXPECT_EQ(::GetWindow(owned.m_hWnd, GW_OWNER), owner.m_hWnd);
    owner.DestroyWindow();
    EXPECT_EQ(owned.m_hWnd, nullptr);
    EXPECT_EQ(g_events.back(), "owner.destroy");
    EXPECT_NE(std::find(g_events.begin(), g_events.end(), "owned.destroy"), g_events.end());
}

TEST_F(Framework, DestroyingTheMainWindowPostsQuitAndClearsThePointer)
{
    RecordingDlg dialog("main");
    ASSERT_TRUE(dialog.Create(IDD_TEST_PLAIN));
    theApp.m_pMainWnd = &dialog;
    dialog.DestroyWindow();
    EXPECT_EQ(theApp.m_pMainWnd, nullptr);
    EXPECT_TRUE(QuitPending());

    RecordingDlg other("other");
    ASSERT_TRUE(other.Create(IDD_TEST_PLAIN));
    other.DestroyWindow();
    EXPECT_FALSE(QuitPending()) << "only the main window's end quits";
}

// The hand-over pattern: a handler posts WM_CLOSE to its own window, detaches
// it and runs the next dialog modally inside the handler; the inner loop
// destroys the detached window. Ending the innermost main window then ends
// every pending run, innermost first.
TEST_F(Framework, NestedModalRunsUnwindInnermostFirstOnQuit)
{
    RecordingDlg first("first");
    RecordingDlg second("second");
    RecordingDlg third("third");
    HWND firstWindow = nullptr, secondWindow = nullptr;

    auto handOver = [](RecordingDlg& from, RecordingDlg& to, HWND& retired) {
        retired = from.m_hWnd;
        from.PostMessage(WM_CLOSE);
        from.Detach();
        theApp.m_pMainWnd = &to;
        to.DoModal();
        g_events.push_back("returned to " + std::string(from.GetRuntimeClass()->m_lpszClassName));
    };
    first.onInit = [](RecordingDlg& d) { d.PostMessage(WM_TEST_STEP); };
    first.onStep = [&](RecordingDlg& d) { handOver(d, second, firstWindow); };
    second.onInit = [](RecordingDlg& d) { d.PostMessage(WM_TEST_STEP); };
    second.onStep = [&](RecordingDlg& d) { handOver(d, third, secondWindow); };
    third.onInit = [](RecordingDlg& d) { d.PostMessage(WM_TEST_STEP); };
    third.onStep = [&](RecordingDlg& d) {
        EXPECT_FALSE(::IsWindow(firstWindow)) << "retired by the inner loop";
        EXPECT_FALSE(::IsWindow(secondWindow));
        d.PostMessage(WM_CLOSE);
    };

    theApp.m_pMainWnd = &first;
    first.DoModal();
    g_events.push_back("first run ended");

    std::vector<std::string> expected = {
        "first.create", "second.create", "third.create", "third.close", "third.destroy",
        "returned to RecordingDlg", "returned to RecordingDlg", "first run ended"};
    EXPECT_EQ(g_events, expected) << "no close or destroy handler of a retired window ran";
    EXPECT_EQ(theApp.m_pMainWnd, nullptr);
    EXPECT_EQ(first.m_hWnd, nullptr);
    EXPECT_TRUE(QuitPending()) << "the quit stays posted for whatever encloses the runs";
}

TEST_F(Framework, QuitEndsEveryPendingModalRunStillShowingItsWindow)
{
    RecordingDlg outer("outer");
    RecordingDlg inner("inner");
    outer.onInit = [](RecordingDlg& d) { d.PostMessage(WM_TEST_STEP); };
    outer.onStep = [&](RecordingDlg&) {
        inner.DoModal();
        g_events.push_back("inner returned");
    };
    inner.onInit = [](RecordingDlg&) { ::PostQuitMessage(3); };
    outer.DoModal();
    g_events.push_back("outer returned");
    std::vector<std::string> expected = {"outer.create", "inner.create", "inner.destroy", "inner returned",
                                         "outer.destroy", "outer returned"};
    EXPECT_EQ(g_events, expected);
    MSG msg;
    ASSERT_TRUE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(Framework, ExceptionInAHandlerDoesNotCrossTheWindowProcedure)
{
    RecordingDlg dialog("a");
    ASSERT_TRUE(dialog.Create(IDD_TEST_PLAIN));
    EXPECT_EQ(dialog.SendMessage(WM_APP + 11), 0);
    EXPECT_TRUE(::IsWindow(dialog.m_hWnd));
    dialog.DestroyWindow();
}

TEST_F(Framework, HelpCommandReachesTheApplicationsHandler)
{
    RecordingDlg dialog("main");
    ASSERT_TRUE(dialog.Create(IDD_TEST_PLAIN));
    theApp.m_pMainWnd = &dialog;
    EXPECT_TRUE(theApp.OnCmdMsg(ID_HELP));
    EXPECT_EQ(g_events.back(), "main.commandhelp");
    EXPECT_FALSE(theApp.OnCmdMsg(IDOK)) << "the application handles no other command";
    theApp.m_pMainWnd = nullptr;
    dialog.DestroyWindow();
}
