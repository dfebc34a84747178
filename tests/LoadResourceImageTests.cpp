#include <gtest/gtest.h>

#include <memory>

#include "TestResources.h"
#include "res/resource.h"
#include "ui/translucent/LoadResourceImage.h"

namespace {

struct ImageCase {
    const char* what;
    UINT id;
    LPCWSTR type;
    UINT width, height;
};

SIZE SizeOf(Gdiplus::Image& image) { return SIZE{LONG(image.GetWidth()), LONG(image.GetHeight())}; }

}  // namespace

TEST(LoadResourceImage, DecodesResourcesOrYieldsAnEmptyImage)
{
    const ImageCase cases[] = {
        {"launcher background", IDB_LAUNCHER_BACKGROUND, L"PNG", 1278, 708},
        {"close button", IDB_CLOSE_NORMAL, L"PNG", 28, 28},
        {"minimise button, hot", IDB_MINIMIZE_HOT, L"PNG", 28, 28},
        {"missing resource", IDB_TEST_MISSING, L"PNG", 0, 0},
        {"undecodable bytes", IDB_TEST_GARBAGE, L"PNG", 0, 0},
        {"wrong type", IDB_LAUNCHER_BACKGROUND, L"JPEG", 0, 0},
        {"identifier beyond 16 bits uses its low word", 0x10000 | IDB_CLOSE_HOT, L"PNG", 28, 28},
    };
    for (const ImageCase& c : cases) {
        std::unique_ptr<Gdiplus::Image> image(LoadResourceImage(c.id, c.type, nullptr));
        ASSERT_NE(image, nullptr) << c.what;
        EXPECT_EQ(image->GetWidth(), c.width) << c.what;
        EXPECT_EQ(image->GetHeight(), c.height) << c.what;
    }
}

TEST(LoadResourceImage, KeepsThePixelsAfterTheResourceIsReleased)
{
    std::unique_ptr<Gdiplus::Image> image(LoadResourceImage(IDB_LAUNCHER_BACKGROUND, L"PNG", nullptr));
    auto* bitmap = static_cast<Gdiplus::Bitmap*>(image.get());
    Gdiplus::Color corner, centre;
    ASSERT_EQ(bitmap->GetPixel(0, 0, &corner), Gdiplus::Ok);
    ASSERT_EQ(bitmap->GetPixel(639, 354, &centre), Gdiplus::Ok);
    EXPECT_EQ(corner.GetA(), 0) << "corners are fully transparent";
    EXPECT_EQ(centre.GetA(), 255) << "the frame is opaque";
}

TEST(LoadResourceImage, BitmapWithNullModuleLoadsFromTheNullModule)
{
    // With a null module, LoadBitmap gives the system's predefined bitmaps;
    // the application's module has no bitmap of that identifier.
    const UINT systemClose = 32754;  // OBM_CLOSE
    HBITMAP reference = ::LoadBitmapW(nullptr, MAKEINTRESOURCEW(systemClose));
    ASSERT_NE(reference, nullptr);
    BITMAP info{};
    ::GetObjectW(reference, sizeof(info), &info);
    ::DeleteObject(reference);

    std::unique_ptr<Gdiplus::Image> fromNull(LoadResourceImage(systemClose, RT_BITMAP, nullptr));
    EXPECT_EQ(SizeOf(*fromNull).cx, info.bmWidth);
    EXPECT_EQ(SizeOf(*fromNull).cy, info.bmHeight);

    std::unique_ptr<Gdiplus::Image> fromApp(LoadResourceImage(systemClose, RT_BITMAP, ::GetModuleHandleW(nullptr)));
    EXPECT_EQ(SizeOf(*fromApp).cx, 0);
}
