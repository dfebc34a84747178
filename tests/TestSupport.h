#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Dispatches this thread's messages until `done` holds or `timeoutMs` passes.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);
void PumpPending();

// The folder of the test executable, with a trailing separator.
std::wstring TestFolder();
// build\Veyrath.exe, beside the tests' folder.
std::wstring ProgramPath();

// One pixel of the screen as blue, green, red (the screen has no alpha).
struct ScreenPixel {
    BYTE b, g, r;
};
// The screen's pixels in `rect`, row by row from the top.
std::vector<ScreenPixel> CaptureScreen(const RECT& rect);

// The style a window of `style` must have to be `width` x `height` with frame.
SIZE FrameSize(DWORD style, LONG width, LONG height);
