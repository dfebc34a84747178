// Waits for or closes the launcher of a running Veyrath, for the run script.
//   launcherctl wait   prints the launcher's rectangle as WxH+X+Y once shown
//   launcherctl close  asks the launcher to close
#include <windows.h>

#include <cstdio>
#include <cwchar>

namespace {

HWND FindLauncher()
{
    HWND found = nullptr;
    ::EnumWindows(
        [](HWND hWnd, LPARAM param) -> BOOL {
            wchar_t text[64] = {};
            ::GetWindowTextW(hWnd, text, 64);
            bool layered = ::GetWindowLongW(hWnd, GWL_EXSTYLE) & WS_EX_LAYERED;
            if (std::wcscmp(text, L"Veyrath") == 0 && layered && ::IsWindowVisible(hWnd)) {
                *reinterpret_cast<HWND*>(param) = hWnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: launcherctl wait|close\n");
        return 2;
    }
    HWND launcher = nullptr;
    for (int i = 0; i < 600 && !(launcher = FindLauncher()); ++i) ::Sleep(50);
    if (!launcher) {
        std::fprintf(stderr, "launcherctl: no launcher window\n");
        return 1;
    }
    if (std::wcscmp(argv[1], L"close") == 0) {
        ::PostMessageW(launcher, WM_CLOSE, 0, 0);
        return 0;
    }
    ::Sleep(1000);  // let the first picture reach the screen
    RECT rect{};
    ::GetWindowRect(launcher, &rect);
    std::printf("%ldx%ld+%ld+%ld\n", rect.right - rect.left, rect.bottom - rect.top, rect.left, rect.top);
    return 0;
}
