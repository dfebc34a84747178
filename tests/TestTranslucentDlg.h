#pragma once
#include <functional>
#include <vector>

#include "TestResources.h"
#include "res/resource.h"
#include "ui/translucent/CTranslucentDialog.h"


inline constexpr UINT WM_TEST_FINISH = WM_APP + 1;

struct LoggedMessage {
    UINT message;
    WPARAM wParam;
    bool operator==(const LoggedMessage& other) const { return message == other.message && wParam == other.wParam; }
};

// Counts its Draw calls and paints a solid square at (10,10)-(30,30).
class RecordingWidget : public CTranslucentWidget {
public:
    explicit RecordingWidget(bool visible) { m_bVisible = visible; }
    void Draw(Gdiplus::Graphics& graphics) override
    {
        ++draws;
        Gdiplus::SolidBrush red(Gdiplus::Color(255, 255, 0, 0));
        graphics.FillRectangle(&red, 10, 10, 20, 20);
    }
    int draws = 0;
};

class TestTranslucentDlg : public CTranslucentDialog {
public:
    explicit TestTranslucentDlg(UINT image = IDB_LAUNCHER_BACKGROUND, LPCWSTR type = L"PNG")
        : CTranslucentDialog(IDD_TEST_TRANSLUCENT, image, type, nullptr, nullptr)
    {
    }
    using CTranslucentDialog::m_bCenterWindow;
    using CTranslucentDialog::m_bChildrenOnly;
    using CTranslucentDialog::m_bEnableDrag;
    using CTranslucentDialog::m_bHoldRender;
    using CTranslucentDialog::m_blend;
    using CTranslucentDialog::m_children;

    std::function<void(TestTranslucentDlg&)> beforeFirstRender;
    std::function<CStandardDialog*(TestTranslucentDlg&)> companionFactory;
    CStandardDialog* Companion() const { return m_pCompanion.get(); }
    std::vector<LoggedMessage> log;
    std::function<void(TestTranslucentDlg&)> onClose;

protected:
    CStandardDialog* CreateCompanionDialog() override { return companionFactory ? companionFactory(*this) : nullptr; }
    void OnBeforeFirstRender() override
    {
        if (beforeFirstRender) beforeFirstRender(*this);
    }
    LRESULT Record(WPARAM wParam, LPARAM)
    {
        log.push_back({m_lastMessage, wParam});
        return 0;
    }
    LRESULT OnKeyDown(WPARAM wParam, LPARAM lParam) { return m_lastMessage = WM_KEYDOWN, Record(wParam, lParam); }
    LRESULT OnKeyUp(WPARAM wParam, LPARAM lParam) { return m_lastMessage = WM_KEYUP, Record(wParam, lParam); }
    // Recorded instead of entering the system's move loop.
    LRESULT OnSysCommand(WPARAM wParam, LPARAM lParam) { return m_lastMessage = WM_SYSCOMMAND, Record(wParam, lParam); }
    LRESULT OnClose(WPARAM wParam, LPARAM lParam)
    {
        m_lastMessage = WM_CLOSE;
        Record(wParam, lParam);
        if (onClose) onClose(*this);
        return Default();
    }
    LRESULT OnFinish(WPARAM, LPARAM)
    {
        EndDialog(42);
        return 0;
    }
    DECLARE_MESSAGE_MAP()

private:
    UINT m_lastMessage = 0;
};


#include <gtest/gtest.h>
#include "TestSupport.h"

class TranslucentWindow : public ::testing::Test {
protected:
    void TearDown() override
    {
        if (dialog.m_hWnd) dialog.DestroyWindow();
        PumpPending();
    }
    void Create()
    {
        ASSERT_TRUE(dialog.Create(IDD_TEST_TRANSLUCENT));
        PumpPending();
    }
    TestTranslucentDlg dialog;
};
