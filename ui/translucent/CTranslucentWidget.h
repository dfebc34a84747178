#pragma once
#include <windows.h>
// clang-format off
#include <objidl.h>
#include <gdiplus.h>
// clang-format on

// An element drawn into a translucent dialog's picture over its background.
class CTranslucentWidget {
public:
    virtual ~CTranslucentWidget() = default;
    // Draws into the dialog's bitmap, whose pixel (0, 0) is the window's corner.
    virtual void Draw(Gdiplus::Graphics& graphics) = 0;

    bool m_bVisible = true;
};
