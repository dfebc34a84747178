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
// The screen's pixels in `rect`, row by row from the top, once the picture
// there has settled.
std::vector<ScreenPixel> CaptureScreen(const RECT& rect);

// The style a window of `style` must have to be `width` x `height` with frame.
SIZE FrameSize(DWORD style, LONG width, LONG height);

// A child process of the tests, ended if still running when it goes away.
class ChildProcess {
public:
    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Start(const std::wstring& program, const std::wstring& workingFolder = L"");
    // The exit code, or -1 when it has not ended within `timeoutMs`.
    long WaitForExit(DWORD timeoutMs);
    // A visible top-level window of the process that `accept` takes.
    HWND WaitForWindow(const std::function<bool(HWND)>& accept, DWORD timeoutMs = 15000) const;
    std::vector<HWND> TopLevelWindows() const;
    DWORD Id() const { return m_info.dwProcessId; }

private:
    PROCESS_INFORMATION m_info{};
};

std::wstring WindowText(HWND hWnd);
