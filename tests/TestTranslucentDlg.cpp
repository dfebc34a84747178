#include "TestTranslucentDlg.h"

BEGIN_MESSAGE_MAP(TestTranslucentDlg, CTranslucentDialog)
    ON_MESSAGE(WM_KEYDOWN, &TestTranslucentDlg::OnKeyDown)
    ON_MESSAGE(WM_KEYUP, &TestTranslucentDlg::OnKeyUp)
    ON_MESSAGE(WM_SYSCOMMAND, &TestTranslucentDlg::OnSysCommand)
    ON_MESSAGE(WM_CLOSE, &TestTranslucentDlg::OnClose)
    ON_MESSAGE(WM_TEST_FINISH, &TestTranslucentDlg::OnFinish)
    ON_MESSAGE(WM_TIMER, &TestTranslucentDlg::OnFinish)
END_MESSAGE_MAP()
