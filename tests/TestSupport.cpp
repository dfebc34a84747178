#include "TestSupport.h"

#include <algorithm>
#include <cstring>

#include "framework/CClientDC.h"
#include "framework/CHandle.h"
#include "framework/CSelectObject.h"

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    DWORD start = ::GetTickCount();
    while (!done()) {
        if (::GetTickCount() - start > timeoutMs) return false;
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

void PumpPending()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

std::wstring TestFolder()
{
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

std::wstring ProgramPath() { return TestFolder() + L"..\\Veyrath.exe"; }

namespace {

std::vector<ScreenPixel> CaptureScreenOnce(const RECT& rect)
{
    LONG width = rect.right - rect.left, height = rect.bottom - rect.top;
    std::vector<ScreenPixel> pixels;
    CClientDC screen(nullptr);
    CMemoryDC memory(::CreateCompatibleDC(screen));
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    CBitmapHandle section(::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!section) return pixels;
    CSelectObject selected(memory.Get(), section.Get());
    ::BitBlt(memory.Get(), 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    ::GdiFlush();
    auto* quads = static_cast<const RGBQUAD*>(bits);
    for (LONG i = 0; i < width * height; ++i) pixels.push_back({quads[i].rgbBlue, quads[i].rgbGreen, quads[i].rgbRed});
    return pixels;
}

bool SamePixels(const std::vector<ScreenPixel>& a, const std::vector<ScreenPixel>& b)
{
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(ScreenPixel)) == 0;
}

bool AllBlack(const std::vector<ScreenPixel>& pixels)
{
    return std::all_of(pixels.begin(), pixels.end(), [](const ScreenPixel& p) { return !p.r && !p.g && !p.b; });
}

}  // namespace

std::vector<ScreenPixel> CaptureScreen(const RECT& rect)
{
    // The X server shows a layered window's new picture a little after the
    // call that presented it: wait until three captures in a row agree on a
    // picture.
    std::vector<ScreenPixel> previous = CaptureScreenOnce(rect);
    int agreeing = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        PumpUntil([] { return false; }, 30);
        std::vector<ScreenPixel> current = CaptureScreenOnce(rect);
        agreeing = SamePixels(current, previous) && !AllBlack(current) ? agreeing + 1 : 0;
        if (agreeing == 2) return current;
        previous = std::move(current);
    }
    return previous;
}

SIZE FrameSize(DWORD style, LONG width, LONG height)
{
    RECT rect{0, 0, width, height};
    ::AdjustWindowRect(&rect, style, FALSE);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

ChildProcess::~ChildProcess()
{
    if (m_info.hProcess) {
        if (::WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT) ::TerminateProcess(m_info.hProcess, 99);
        ::CloseHandle(m_info.hProcess);
        ::CloseHandle(m_info.hThread);
    }
}

bool ChildProcess::Start(const std::wstring& program, const std::wstring& workingFolder)
{
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    return ::CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                            workingFolder.empty() ? nullptr : workingFolder.c_str(), &startup, &m_info) != 0;
}

long ChildProcess::WaitForExit(DWORD timeoutMs)
{
    if (::WaitForSingleObject(m_info.hProcess, timeoutMs) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    ::GetExitCodeProcess(m_info.hProcess, &code);
    return static_cast<long>(code);
}

std::vector<HWND> ChildProcess::TopLevelWindows() const
{
    struct Search {
        DWORD pid;
        std::vector<HWND> found;
    } search{m_info.dwProcessId, {}};
    ::EnumWindows(
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lParam);
            DWORD pid = 0;
            ::GetWindowThreadProcessId(hWnd, &pid);
            if (pid == s->pid) s->found.push_back(hWnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND ChildProcess::WaitForWindow(const std::function<bool(HWND)>& accept, DWORD timeoutMs) const
{
    DWORD start = ::GetTickCount();
    do {
        for (HWND hWnd : TopLevelWindows())
            if (::IsWindowVisible(hWnd) && accept(hWnd)) return hWnd;
        ::Sleep(50);
    } while (::GetTickCount() - start < timeoutMs);
    return nullptr;
}

std::wstring WindowText(HWND hWnd)
{
    wchar_t text[512] = {};
    ::GetWindowTextW(hWnd, text, 512);
    return text;
}
