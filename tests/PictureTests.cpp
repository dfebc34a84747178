#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "TestSupport.h"
#include "FakeWebBrowser.h"
#include "TestTranslucentDlg.h"
#include "framework/ControlContainer.h"
#include "ui/launcher/CKwTranslucentDlg.h"
#include "ui/translucent/LoadResourceImage.h"

// What the virtual display shows: these run alone, with no other test's
// windows on the screen.

namespace {

RECT WindowRect(HWND hWnd)
{
    RECT rect{};
    ::GetWindowRect(hWnd, &rect);
    return rect;
}

}  // namespace

TEST_F(TranslucentWindow, ShowsTheImageWithItsOwnAlpha)
{
    Create();
    RECT rect = WindowRect(dialog.m_hWnd);
    std::vector<ScreenPixel> screen = CaptureScreen(rect);
    ASSERT_EQ(screen.size(), 1278u * 708u);

    Gdiplus::Bitmap* source = static_cast<Gdiplus::Bitmap*>(LoadResourceImage(IDB_LAUNCHER_BACKGROUND, L"PNG", nullptr));
    std::unique_ptr<Gdiplus::Bitmap> owned(source);
    Gdiplus::Rect all(0, 0, 1278, 708);
    Gdiplus::BitmapData data{};
    ASSERT_EQ(source->LockBits(&all, Gdiplus::ImageLockModeRead, PixelFormat32bppPARGB, &data), Gdiplus::Ok);
    int mismatches = 0, compared = 0;
    for (int y = 0; y < 708; y += 3) {
        auto* row = static_cast<const BYTE*>(data.Scan0) + y * data.Stride;
        for (int x = 0; x < 1278; x += 3) {
            const BYTE* expected = row + 4 * x;  // B, G, R, A premultiplied
            const ScreenPixel& seen = screen[y * 1278 + x];
            ++compared;
            if (std::abs(seen.b - expected[0]) > 3 || std::abs(seen.g - expected[1]) > 3 ||
                std::abs(seen.r - expected[2]) > 3)
                ++mismatches;
        }
    }
    source->UnlockBits(&data);
    EXPECT_EQ(mismatches, 0) << "of " << compared << " sampled pixels";
    const ScreenPixel& corner = screen[0];
    EXPECT_EQ(corner.r + corner.g + corner.b, 0) << "a fully transparent corner shows the black root";
}


TEST_F(TranslucentWindow, DrawsVisibleWidgetsOverTheImage)
{
    RecordingWidget shown(true), hidden(false);
    dialog.m_children = {&hidden, &shown};
    Create();
    EXPECT_EQ(shown.draws, 1);
    EXPECT_EQ(hidden.draws, 0);
    RECT rect = WindowRect(dialog.m_hWnd);
    std::vector<ScreenPixel> screen = CaptureScreen(rect);
    const ScreenPixel& square = screen[20 * 1278 + 20];
    EXPECT_EQ(square.r, 255);
    EXPECT_EQ(square.g, 0);
}


TEST_F(TranslucentWindow, ChildrenOnlyDrawsEveryWidgetAndShrinksTheImage)
{
    RecordingWidget hidden(false);
    dialog.m_children = {&hidden};
    Create();
    ASSERT_EQ(hidden.draws, 0);
    dialog.m_bChildrenOnly = true;
    dialog.Render();
    EXPECT_EQ(hidden.draws, 1);
    RECT rect = WindowRect(dialog.m_hWnd);
    std::vector<ScreenPixel> screen = CaptureScreen(rect);
    const ScreenPixel& middle = screen[354 * 1278 + 639];
    EXPECT_EQ(middle.r + middle.g + middle.b, 0) << "the image lands in one pixel";
    EXPECT_EQ(screen[20 * 1278 + 20].r, 255);
}


// The launcher's buttons paint the key colour behind their images, so the
// background artwork shows through around the cross.
TEST(LauncherPicture, CloseButtonShowsItsImageOverTheBackground)
{
    AfxEnableControlContainer();
    FakeWebBrowserRegistration browser;
    CKwTranslucentDlg launcher(IDB_LAUNCHER_BACKGROUND, L"PNG", nullptr, nullptr);
    ASSERT_TRUE(launcher.Create(IDD_LAUNCHER_BACKGROUND));
    PumpUntil([] { return false; }, 500);  // let both windows paint
    RECT rect = WindowRect(launcher.m_hWnd);
    std::vector<ScreenPixel> screen = CaptureScreen(rect);
    auto at = [&](int x, int y) { return screen[y * 1278 + x]; };

    ScreenPixel centre = at(1145 + 14, 105 + 14);  // middle of the cross
    EXPECT_GT(centre.r, 200);
    EXPECT_GT(centre.g, 180);
    EXPECT_GT(centre.b, 140);

    std::unique_ptr<Gdiplus::Bitmap> image(
        static_cast<Gdiplus::Bitmap*>(LoadResourceImage(IDB_LAUNCHER_BACKGROUND, L"PNG", nullptr)));
    Gdiplus::Color under;
    image->GetPixel(1146, 106, &under);  // the button's corner, clear in the image
    ScreenPixel corner = at(1146, 106);
    EXPECT_NEAR(corner.r, under.GetR(), 3);
    EXPECT_NEAR(corner.g, under.GetG(), 3) << "no key green shows";
    EXPECT_NEAR(corner.b, under.GetB(), 3);
    launcher.DestroyWindow();
}
