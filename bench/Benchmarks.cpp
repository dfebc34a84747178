// Times the launcher's image decoding and rendering against a baseline of
// plain memory work of the same size, measured in the same run.
#include <windows.h>
// clang-format off
#include <objidl.h>
#include <gdiplus.h>
// clang-format on

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include "StartupBenchmark.h"
#include "res/resource.h"
#include "ui/translucent/CTranslucentDialog.h"
#include "ui/translucent/LoadResourceImage.h"

namespace {

double MedianMicroseconds(int runs, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

class BenchDialog : public CTranslucentDialog {
public:
    BenchDialog() : CTranslucentDialog(IDD_LAUNCHER_BACKGROUND, IDB_LAUNCHER_BACKGROUND, L"PNG", nullptr, nullptr) {}

protected:
    CStandardDialog* CreateCompanionDialog() override { return nullptr; }
    void OnBeforeFirstRender() override {}
};

void Report(const char* name, double micros, double baseline)
{
    std::printf("%-28s %10.1f us   %6.2f x baseline\n", name, micros, micros / baseline);
}

}  // namespace

int main()
{
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);

    const size_t bytes = 4u * 1278u * 708u;
    std::vector<unsigned char> from(bytes, 1), to(bytes);
    double baseline = MedianMicroseconds(51, [&] {
        std::memset(to.data(), 0, bytes);
        std::memcpy(to.data(), from.data(), bytes);
    });

    double load = MedianMicroseconds(15, [] {
        std::unique_ptr<Gdiplus::Image> image(LoadResourceImage(IDB_LAUNCHER_BACKGROUND, L"PNG", nullptr));
    });

    double render = 0;
    {
        BenchDialog dialog;
        dialog.Create(IDD_LAUNCHER_BACKGROUND);
        render = MedianMicroseconds(15, [&] { dialog.Render(); });
        dialog.DestroyWindow();
    }

    std::printf("%-28s %10.1f us\n", "baseline (clear + copy)", baseline);
    Report("LoadResourceImage(158)", load, baseline);
    Report("Render (1278 x 708)", render, baseline);
    Gdiplus::GdiplusShutdown(token);
    RunStartupBenchmark();
    return 0;
}
