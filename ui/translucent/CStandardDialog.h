#pragma once
#include "framework/CBrush.h"
#include "framework/CDHtmlDialog.h"

// The companion of a translucent dialog: a modeless owned pop-up that
// carries ordinary controls. Its background is painted in a key colour that
// the window manager shows (and hit-tests) as transparent.
class CStandardDialog : public CDHtmlDialog {
    DECLARE_DYNAMIC(CStandardDialog)
public:
    CStandardDialog(UINT templateId, COLORREF colorKey, CWnd* parent);
    ~CStandardDialog() override;

    // Creates the window modeless, owned by the parent, and shows it.
    void CreateAndShow();

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    HBRUSH OnCtlColor(HDC dc, HWND control, UINT ctlColor);

protected:
    COLORREF m_colorKey;
    CBrush m_brushKey;

    DECLARE_MESSAGE_MAP()

private:
    void CloseOwner();
};
