#include "CDHtmlDialog.h"

IMPLEMENT_DYNAMIC(CDHtmlDialog, CDialog)

BEGIN_MESSAGE_MAP(CDHtmlDialog, CDialog)
END_MESSAGE_MAP()

CDHtmlDialog::CDHtmlDialog(UINT templateId, UINT htmlResId, CWnd* parent)
    : CDialog(templateId, parent), m_nHtmlResID(htmlResId)
{
}
