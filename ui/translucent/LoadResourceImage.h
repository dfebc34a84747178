#pragma once
#include <windows.h>
// clang-format off
#include <objidl.h>
#include <gdiplus.h>
// clang-format on

// Decodes an image resource into a new GDI+ image that the caller owns and
// deletes. `type` is a type name such as L"PNG", or RT_BITMAP, for which the
// bitmap is loaded from `module` as given, even when null. For other types a
// null module means the application's resource module. A missing or broken
// resource yields an image without a picture (width and height 0).
Gdiplus::Image* LoadResourceImage(UINT id, LPCWSTR type, HINSTANCE module);
