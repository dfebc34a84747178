#pragma once
#include <memory>

#include "CWnd.h"
// clang-format off
#include <objidl.h>
#include <gdiplus.h>
// clang-format on

// An owner-drawn image button. Its window class "MfcButton" is a push button
// that takes its settings from the dialog's initialisation data (message
// 0x037C: style, cursor, tooltip, image flags) and shows the hand cursor when
// asked to. Bound to an object, it draws its images with their alpha.
class CMFCButton : public CWnd {
    DECLARE_DYNAMIC(CMFCButton)
public:
    enum { BUTTONSTYLE_3D = 0, BUTTONSTYLE_FLAT = 1, BUTTONSTYLE_SEMIFLAT = 2, BUTTONSTYLE_NOBORDERS = 6 };
    static constexpr UINT WM_MFC_INITCTRL = 0x037C;

    CMFCButton();
    ~CMFCButton() override;

    // Registers "MfcButton"; called before any dialog is created.
    static void RegisterWindowClass();

    // PNG resources of the application: normal, hot (under the mouse) and
    // disabled images; 0 for none.
    void SetImage(UINT normalId, UINT hotId = 0, UINT disabledId = 0);

    // Paint the parent's background behind the image instead of a face.
    BOOL m_bTransparent = FALSE;
    int m_nFlatStyle = BUTTONSTYLE_3D;
    bool m_bHighlighted = false;

    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

protected:
    void PreSubclassWindow() override;
    virtual void DrawItem(const DRAWITEMSTRUCT& item);
    LRESULT OnMouseMove(WPARAM, LPARAM);
    LRESULT OnMouseLeave(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    void DrawParentBackground(HDC dc);
    std::unique_ptr<Gdiplus::Image> m_normal, m_hot, m_disabled;
};
