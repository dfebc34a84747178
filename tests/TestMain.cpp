#include <windows.h>
// clang-format off
#include <objidl.h>
#include <gdiplus.h>
// clang-format on
#include <ole2.h>

#include <gtest/gtest.h>

// The tests run on one STA thread with GDI+ started, as the program does.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    ::OleInitialize(nullptr);
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    int result = RUN_ALL_TESTS();
    Gdiplus::GdiplusShutdown(token);
    ::OleUninitialize();
    return result;
}
