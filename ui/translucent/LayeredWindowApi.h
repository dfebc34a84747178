#pragma once
#include <windows.h>

// The layered-window entry points, looked up by name in User32 at every
// call; each returns false, having done nothing, when the lookup fails.
bool CallUpdateLayeredWindow(HWND hWnd, HDC screen, POINT* destination, SIZE* size, HDC source,
                             POINT* sourcePoint, COLORREF key, BLENDFUNCTION* blend, DWORD flags);
bool CallSetLayeredWindowAttributes(HWND hWnd, COLORREF key, BYTE alpha, DWORD flags);
