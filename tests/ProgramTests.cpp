#include <gtest/gtest.h>

#include "TestSupport.h"
#include "ui/translucent/CTranslucentDialog.h"

namespace {

bool IsLauncherBackground(HWND hWnd)
{
    return WindowText(hWnd) == L"Veyrath" && (::GetWindowLongW(hWnd, GWL_EXSTYLE) & WS_EX_LAYERED);
}

HWND PanelOf(const ChildProcess& program, HWND launcher)
{
    return program.WaitForWindow([&](HWND hWnd) { return ::GetWindow(hWnd, GW_OWNER) == launcher; });
}

// The real program with its launcher and panel up.
class RunningLauncher : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(program.Start(ProgramPath()));
        launcher = program.WaitForWindow(IsLauncherBackground);
        ASSERT_NE(launcher, nullptr);
        panel = PanelOf(program, launcher);
        ASSERT_NE(panel, nullptr);
    }
    ChildProcess program;
    HWND launcher = nullptr;
    HWND panel = nullptr;
};

}  // namespace

TEST_F(RunningLauncher, CloseButtonEndsTheProgram)
{
    RECT back{}, front{};
    ::GetWindowRect(launcher, &back);
    ::GetWindowRect(panel, &front);
    EXPECT_TRUE(::EqualRect(&back, &front)) << "the panel lies over the background";
    ::PostMessageW(panel, WM_COMMAND, 1004, 0);
    EXPECT_EQ(program.WaitForExit(15000), 0);
    EXPECT_TRUE(program.TopLevelWindows().empty());
}

TEST_F(RunningLauncher, EscapeInThePanelClosesTheLauncherAndEnterDoesNothing)
{
    ::PostMessageW(panel, WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_EQ(program.WaitForExit(1500), -1) << "Enter leaves the launcher running";
    ::PostMessageW(panel, WM_KEYDOWN, VK_ESCAPE, 1);
    EXPECT_EQ(program.WaitForExit(15000), 0);
}

TEST_F(RunningLauncher, MinimiseButtonMinimisesPanelAndBackground)
{
    ::PostMessageW(panel, WM_COMMAND, 1012, 0);
    DWORD start = ::GetTickCount();
    while (!(::IsIconic(panel) && ::IsIconic(launcher)) && ::GetTickCount() - start < 5000) ::Sleep(50);
    EXPECT_TRUE(::IsIconic(panel));
    EXPECT_TRUE(::IsIconic(launcher));
    ::PostMessageW(launcher, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(15000), 0);
}

TEST(Program, ShowsTheLauncherAndEndsCleanlyWhenItIsClosed)
{
    ChildProcess program;
    ASSERT_TRUE(program.Start(ProgramPath()));
    HWND launcher = program.WaitForWindow(IsLauncherBackground);
    ASSERT_NE(launcher, nullptr) << "no launcher window appeared";

    RECT rect{};
    ::GetWindowRect(launcher, &rect);
    RECT workArea{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    // Layout 102's style as it stands while the window is created.
    POINT expected = CenterOnWorkArea(workArea, FrameSize(0x00C90048, 1278, 708));
    EXPECT_EQ(rect.left, expected.x);
    EXPECT_EQ(rect.top, expected.y);
    EXPECT_EQ(rect.right - rect.left, 1278);
    EXPECT_EQ(rect.bottom - rect.top, 708);
    DWORD style = static_cast<DWORD>(::GetWindowLongW(launcher, GWL_STYLE));
    EXPECT_FALSE(style & WS_CAPTION);
    EXPECT_TRUE(::GetWindowLongW(launcher, GWL_EXSTYLE) & WS_EX_APPWINDOW) << "keeps its taskbar button";

    ::PostMessageW(launcher, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(15000), 0);
    EXPECT_TRUE(program.TopLevelWindows().empty());
}

TEST(Program, EnterAndEscapeDoNotCloseTheLauncher)
{
    ChildProcess program;
    ASSERT_TRUE(program.Start(ProgramPath()));
    HWND launcher = program.WaitForWindow(IsLauncherBackground);
    ASSERT_NE(launcher, nullptr);
    for (WPARAM key : {WPARAM(VK_RETURN), WPARAM(VK_ESCAPE)}) {
        ::PostMessageW(launcher, WM_KEYDOWN, key, 1);
        ::PostMessageW(launcher, WM_KEYUP, key, 0xC0000001);
    }
    EXPECT_EQ(program.WaitForExit(1500), -1) << "the launcher is still running";
    EXPECT_TRUE(::IsWindowVisible(launcher));
    ::PostMessageW(launcher, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(15000), 0);
}

TEST(Program, SecondCopyRunsItsOwnLauncher)
{
    ChildProcess first, second;
    ASSERT_TRUE(first.Start(ProgramPath()));
    ASSERT_TRUE(second.Start(ProgramPath()));
    HWND one = first.WaitForWindow(IsLauncherBackground);
    HWND two = second.WaitForWindow(IsLauncherBackground);
    ASSERT_NE(one, nullptr);
    ASSERT_NE(two, nullptr);
    EXPECT_NE(one, two);
    ::PostMessageW(one, WM_CLOSE, 0, 0);
    ::PostMessageW(two, WM_CLOSE, 0, 0);
    EXPECT_EQ(first.WaitForExit(15000), 0);
    EXPECT_EQ(second.WaitForExit(15000), 0);
}
