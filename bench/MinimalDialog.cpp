// The start-up baseline: a minimal Win32 program that shows one dialog.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int)
{
    return static_cast<int>(::DialogBoxParamW(
        instance, MAKEINTRESOURCEW(1), nullptr,
        [](HWND hWnd, UINT message, WPARAM wParam, LPARAM) -> INT_PTR {
            if (message == WM_CLOSE || (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL)) {
                ::EndDialog(hWnd, 0);
                return TRUE;
            }
            return message == WM_INITDIALOG;
        },
        0));
}
