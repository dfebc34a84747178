#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "FakeWebBrowser.h"
#include "TestSupport.h"
#include "framework/CClientDC.h"
#include "app/CTranslucentApp.h"
#include "app/DefaultAddresses.h"
#include "framework/COleControlSite.h"
#include "framework/ControlContainer.h"
#include "res/resource.h"
#include "ui/launcher/CKwTranslucentDlg.h"

namespace {

const wchar_t kAdvisory[] =
    L"【抵制不良游戏，拒绝盗版游戏，注意自我保护，谨防上当受骗，适度游戏益脑，沉迷游戏伤身，合理安排时间，享受健康生活】";

RECT RectIn(HWND window, HWND parent)
{
    RECT rect{};
    ::GetWindowRect(window, &rect);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// The launcher in this process, with the stand-in browser, and config.ini
// beside the tests (held under CTest's config_ini lock).
class Launcher : public ::testing::Test {
protected:
    void SetUp() override { AfxEnableControlContainer(); }
    void TearDown() override
    {
        if (launcher.m_hWnd) launcher.DestroyWindow();
        PumpPending();
        ::DeleteFileW(ConfigPath().c_str());
        theApp.m_pMainWnd = nullptr;
    }
    static std::wstring ConfigPath() { return TestFolder() + L"config.ini"; }
    static void WriteConfig(const std::string& text)
    {
        std::ofstream out(ConfigPath().c_str(), std::ios::binary | std::ios::trunc);
        out << text;
    }
    void Open()
    {
        ASSERT_TRUE(launcher.Create(IDD_LAUNCHER_BACKGROUND));
        theApp.m_pMainWnd = &launcher;
        for (HWND h = ::GetWindow(::GetDesktopWindow(), GW_CHILD); h && !panel; h = ::GetWindow(h, GW_HWNDNEXT))
            if (::GetWindow(h, GW_OWNER) == launcher.m_hWnd) panel = h;
        ASSERT_NE(panel, nullptr);
        browser = FakeWebBrowser::last;
        ASSERT_NE(browser, nullptr);
    }

    FakeWebBrowserRegistration registration;
    CKwTranslucentDlg launcher{IDB_LAUNCHER_BACKGROUND, L"PNG", nullptr, nullptr};
    HWND panel = nullptr;
    FakeWebBrowser* browser = nullptr;
};

}  // namespace

TEST_F(Launcher, BrowserIsCreatedWithItsStateAndHostedInPlaceAtItsRectangle)
{
    Open();
    std::vector<std::string> lifecycle(browser->log.begin(), browser->log.begin() + 5);
    EXPECT_EQ(lifecycle, (std::vector<std::string>{"SetClientSite", "Load", "SetHostNames", "SetExtent", "DoVerb(inplace)"}));
    EXPECT_EQ(browser->persisted.size(), 160u);

    HWND site = ::GetDlgItem(panel, IDC_BROWSER);
    ASSERT_NE(site, nullptr);
    ASSERT_NE(COleControlSite::FromWindow(site), nullptr);
    RECT rect = RectIn(site, panel);
    EXPECT_EQ(rect.left, 445);
    EXPECT_EQ(rect.top, 147);
    EXPECT_EQ(rect.right - rect.left, 717);
    EXPECT_EQ(rect.bottom - rect.top, 447);
    EXPECT_EQ(browser->objectRect.right - browser->objectRect.left, 717) << "resized with its site";
    EXPECT_EQ(browser->objectRect.bottom - browser->objectRect.top, 447);
}

TEST_F(Launcher, NavigatesToTheConfiguredPageThenGoesSilent)
{
    struct Case {
        const char* config;  // null: no config.ini
        std::wstring expected;
    } cases[] = {
        {nullptr, defaults::kClientWeb},
        {"[kwrn]\r\nclient_web=error\r\n", defaults::kClientWeb},
        {"[kwrn]\r\nclient_web=Error\r\n", L"Error"},
        {"[kwrn]\r\nclient_web=\r\n", L""},
        {"[kwrn]\r\nclient_web=http://127.0.0.1:8080/Index/client\r\n", L"http://127.0.0.1:8080/Index/client"},
    };
    for (const Case& c : cases) {
        ::DeleteFileW(ConfigPath().c_str());
        if (c.config) WriteConfig(c.config);
        CKwTranslucentDlg dialog(IDB_LAUNCHER_BACKGROUND, L"PNG", nullptr, nullptr);
        ASSERT_TRUE(dialog.Create(IDD_LAUNCHER_BACKGROUND));
        FakeWebBrowser* fake = FakeWebBrowser::last;
        ASSERT_NE(fake, nullptr);
        EXPECT_EQ(fake->navigations, std::vector<std::wstring>{c.expected}) << (c.config ? c.config : "no file");
        EXPECT_TRUE(fake->silent);
        std::vector<std::string> tail(fake->log.end() - 2, fake->log.end());
        EXPECT_EQ(tail, (std::vector<std::string>{"Navigate", "Silent"}));
        EXPECT_NE(fake->externalAtNavigate, nullptr) << "the page sees the panel's object from its first load";
        dialog.DestroyWindow();
    }
}

TEST_F(Launcher, ExternalObjectIsThePanelsAutomationObject)
{
    Open();
    auto* panelObject = dynamic_cast<CCmdTarget*>(CWnd::FromHandlePermanent(panel));
    ASSERT_NE(panelObject, nullptr);
    EXPECT_EQ(browser->externalAtNavigate, panelObject->GetIDispatch(FALSE));
}

TEST_F(Launcher, BrowserIsClosedAndReleasedWithItsWindow)
{
    Open();
    int before = FakeWebBrowser::alive;
    launcher.DestroyWindow();
    EXPECT_EQ(FakeWebBrowser::alive, before - 1);
    const std::vector<std::string>& log = FakeWebBrowser::finalLog;
    std::vector<std::string> teardown(log.end() - 3, log.end());
    EXPECT_EQ(teardown, (std::vector<std::string>{"InPlaceDeactivate", "Close", "SetClientSite(null)"}));
}

TEST_F(Launcher, DetachedBrowserWindowClosedByDefaultProcessingReleasesTheControl)
{
    Open();
    int before = FakeWebBrowser::alive;
    HWND site = ::GetDlgItem(panel, IDC_BROWSER);
    ::PostMessageW(site, WM_CLOSE, 0, 0);
    CWnd* bound = CWnd::FromHandlePermanent(site);
    ASSERT_NE(bound, nullptr);
    bound->Detach();
    PumpUntil([&] { return !::IsWindow(site); });
    EXPECT_FALSE(::IsWindow(site));
    EXPECT_EQ(FakeWebBrowser::alive, before - 1);
    EXPECT_EQ(FakeWebBrowser::finalLog.back(), "SetClientSite(null)");
}

TEST_F(Launcher, PanelLiesOverTheBackgroundWithItsColourKeyAndButtons)
{
    Open();
    RECT back{}, front{};
    ::GetWindowRect(launcher.m_hWnd, &back);
    ::GetWindowRect(panel, &front);
    EXPECT_TRUE(::EqualRect(&back, &front));
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(::GetLayeredWindowAttributes(panel, &key, &alpha, &flags));
    EXPECT_EQ(key, 0x0000FF00u);
    EXPECT_EQ(flags, DWORD(LWA_COLORKEY));

    struct Button {
        int id;
        LONG x;
    } buttons[] = {{IDC_MINIMIZE_BUTTON, 1117}, {IDC_CLOSE_BUTTON, 1145}};
    for (const Button& b : buttons) {
        HWND button = ::GetDlgItem(panel, b.id);
        ASSERT_NE(button, nullptr);
        RECT rect = RectIn(button, panel);
        EXPECT_EQ(rect.left, b.x);
        EXPECT_EQ(rect.top, 105);
        EXPECT_EQ(rect.right - rect.left, 28);
        EXPECT_EQ(rect.bottom - rect.top, 28);
        wchar_t name[32] = {};
        ::GetClassNameW(button, name, 32);
        EXPECT_EQ(::lstrcmpiW(name, L"MfcButton"), 0);
        ::SendMessageW(button, WM_SETCURSOR, WPARAM(button), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, IDC_HAND));
    }
}

TEST_F(Launcher, AdvisoryStripHasItsTextAndColoursWithOneBrush)
{
    Open();
    HWND text = ::GetDlgItem(panel, IDC_STATIC);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(WindowText(text), kAdvisory);
    CClientDC dc(text);
    HBRUSH first = reinterpret_cast<HBRUSH>(::SendMessageW(panel, WM_CTLCOLORSTATIC, WPARAM(dc.Get()), LPARAM(text)));
    EXPECT_EQ(::GetTextColor(dc), 0x0076899Au);
    EXPECT_EQ(::GetBkColor(dc), 0x00121A27u);
    EXPECT_EQ(::GetBkMode(dc), OPAQUE);
    for (int i = 0; i < 5; ++i) {
        ::RedrawWindow(panel, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        EXPECT_EQ(reinterpret_cast<HBRUSH>(::SendMessageW(panel, WM_CTLCOLORSTATIC, WPARAM(dc.Get()), LPARAM(text))), first);
    }
    LOGBRUSH info{};
    ::GetObjectW(first, sizeof(info), &info);
    EXPECT_EQ(info.lbColor, 0x00121A27u);
}

TEST_F(Launcher, MinimiseMinimisesPanelThenBackground)
{
    Open();
    ::SendMessageW(panel, WM_COMMAND, IDC_MINIMIZE_BUTTON, 0);
    EXPECT_TRUE(::IsIconic(panel));
    EXPECT_TRUE(::IsIconic(launcher.m_hWnd));
}

namespace {

// Points the prefix's http and https open commands at the tests' recorder.
class ShellOpenRecorder {
public:
    ShellOpenRecorder()
    {
        ::DeleteFileW(RecordPath().c_str());
        std::wstring command = L"\"" + TestFolder() + L"url_recorder.exe\" \"%1\"";
        for (const wchar_t* scheme : {L"http", L"https"}) {
            std::wstring key = std::wstring(L"Software\\Classes\\") + scheme + L"\\shell\\open\\command";
            HKEY handle = nullptr;
            if (::RegCreateKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr) ==
                ERROR_SUCCESS) {
                ::RegSetValueExW(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                                 static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
                ::RegCloseKey(handle);
            }
        }
    }
    ~ShellOpenRecorder() { ::DeleteFileW(RecordPath().c_str()); }
    static std::wstring RecordPath() { return TestFolder() + L"recorded-urls.txt"; }
    // The addresses recorded so far, once `count` have arrived.
    std::vector<std::wstring> WaitFor(size_t count) const
    {
        std::vector<std::wstring> lines;
        PumpUntil(
            [&] {
                lines.clear();
                FILE* in = _wfopen(RecordPath().c_str(), L"r, ccs=UTF-8");
                if (!in) return count == 0;
                wchar_t line[1024];
                while (fgetws(line, 1024, in)) {
                    std::wstring text(line);
                    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r')) text.pop_back();
                    lines.push_back(text);
                }
                fclose(in);
                return lines.size() >= count;
            },
            15000);
        return lines;
    }
};

}  // namespace

TEST_F(Launcher, PageCommandsOpenTheConfiguredAddressesOrTheDefaults)
{
    ShellOpenRecorder recorder;
    WriteConfig("[kwrn]\r\nhome_url=http://127.0.0.1/home\r\nrecharge_url=http://127.0.0.1/pay\r\n"
                "service_url=error\r\nforum_url=http://127.0.0.1/forum\r\n");
    Open();
    for (UINT command : {IDC_HOME, IDC_RECHARGE, IDC_SERVICE, IDC_FORUM}) {
        size_t before = recorder.WaitFor(0).size();
        ::SendMessageW(panel, WM_COMMAND, command, 0);
        recorder.WaitFor(before + 1);
    }
    ::DeleteFileW(ConfigPath().c_str());
    for (UINT command : {IDC_HOME, IDC_RECHARGE, IDC_SERVICE, IDC_FORUM}) {
        size_t before = recorder.WaitFor(0).size();
        ::SendMessageW(panel, WM_COMMAND, command, 0);
        recorder.WaitFor(before + 1);
    }
    std::vector<std::wstring> expected = {
        L"http://127.0.0.1/home", L"http://127.0.0.1/pay", defaults::kService, L"http://127.0.0.1/forum",
        defaults::kHome,          defaults::kRecharge,     defaults::kService, defaults::kForum};
    EXPECT_EQ(recorder.WaitFor(8), expected);
    EXPECT_EQ(std::wstring(defaults::kHome), defaults::kForum) << "home and forum share the game site's root";
}
