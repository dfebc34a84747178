#pragma once
#include "CDialog.h"

// A dialog that can host a web browser showing an HTML resource. Derived
// classes that run as plain dialogs use only its constructor and records.
class CDHtmlDialog : public CDialog {
    DECLARE_DYNAMIC(CDHtmlDialog)
public:
    CDHtmlDialog(UINT templateId, UINT htmlResId, CWnd* parent = nullptr);

    UINT m_nHtmlResID = 0;

    DECLARE_MESSAGE_MAP()
};
