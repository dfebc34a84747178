#include "StartupBenchmark.h"

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "framework/CHandle.h"

namespace {

std::wstring BuildFolder()
{
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    folder = folder.substr(0, folder.find_last_of(L"\\/"));      // build\bench
    return folder.substr(0, folder.find_last_of(L"\\/") + 1);    // build\ .
}

HWND FindVisibleWindow(DWORD pid, const std::function<bool(HWND)>& accept)
{
    struct Search {
        DWORD pid;
        const std::function<bool(HWND)>* accept;
        HWND found;
    } search{pid, &accept, nullptr};
    ::EnumWindows(
        [](HWND hWnd, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            DWORD owner = 0;
            ::GetWindowThreadProcessId(hWnd, &owner);
            if (owner == s->pid && ::IsWindowVisible(hWnd) && (*s->accept)(hWnd)) {
                s->found = hWnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

struct Run {
    double milliseconds = -1;
    SIZE_T privateBytes = 0;
};

// Starts `program`, waits until `ready` finds its window, then closes it.
Run TimeStart(const std::wstring& program, const std::function<bool(HWND)>& ready)
{
    Run run;
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    auto start = std::chrono::steady_clock::now();
    if (!::CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return run;
    CKernelHandle process(info.hProcess), thread(info.hThread);
    HWND window = nullptr;
    while (!(window = FindVisibleWindow(info.dwProcessId, ready)) &&
           std::chrono::steady_clock::now() - start < std::chrono::seconds(30))
        ::Sleep(1);
    run.milliseconds = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    ::Sleep(300);
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof(memory);
    if (::K32GetProcessMemoryInfo(process.Get(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof(memory)))
        // Wine leaves PrivateUsage at 0; its pagefile figure counts the same pages.
        run.privateBytes = memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage;
    HWND top = ::GetWindow(window, GW_OWNER) ? ::GetWindow(window, GW_OWNER) : window;
    ::PostMessageW(top, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(process.Get(), 15000) != WAIT_OBJECT_0) ::TerminateProcess(process.Get(), 1);
    return run;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

bool IsLauncherPanel(HWND hWnd)
{
    HWND owner = ::GetWindow(hWnd, GW_OWNER);
    if (!owner || !(::GetWindowLongW(owner, GWL_EXSTYLE) & WS_EX_LAYERED) || !::IsWindowVisible(owner)) return false;
    BYTE alpha = 0;
    DWORD flags = 0;
    COLORREF key = 0;
    return ::GetLayeredWindowAttributes(hWnd, &key, &alpha, &flags) && (flags & LWA_COLORKEY);
}

}  // namespace

void RunStartupBenchmark()
{
    std::wstring folder = BuildFolder();
    std::vector<double> launcher, baseline;
    SIZE_T privateBytes = 0;
    for (int i = 0; i < 7; ++i) {
        baseline.push_back(TimeStart(folder + L"bench\\minimal_dialog.exe", [](HWND) { return true; }).milliseconds);
        Run run = TimeStart(folder + L"Veyrath.exe", IsLauncherPanel);
        launcher.push_back(run.milliseconds);
        privateBytes = std::max(privateBytes, run.privateBytes);
    }
    double base = Median(baseline), mine = Median(launcher);
    std::printf("%-28s %10.1f ms\n", "baseline start (one dialog)", base);
    std::printf("%-28s %10.1f ms   %6.2f x baseline\n", "launcher start to panel", mine, mine / base);

    WIN32_FILE_ATTRIBUTE_DATA attributes{};
    if (::GetFileAttributesExW((folder + L"Veyrath.exe").c_str(), GetFileExInfoStandard, &attributes))
        std::printf("%-28s %10lu bytes\n", "Veyrath.exe size", attributes.nFileSizeLow);
    std::printf("%-28s %10.1f MiB\n", "launcher private memory", privateBytes / 1048576.0);
}
