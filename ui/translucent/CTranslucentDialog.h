#pragma once
#include <list>
#include <memory>

#include "CTranslucentWidget.h"
#include "IRenderListener.h"
#include "framework/CDialog.h"

class CStandardDialog;

// Where a window of frame size `frame` lands when centred on `workArea`;
// each half is truncated toward zero, so a frame wider than the work area
// starts left of it.
POINT CenterOnWorkArea(const RECT& workArea, SIZE frame);

// A dialog whose face is an image with per-pixel alpha, presented as a layered
// window, with a companion dialog laid over it that carries the controls.
class CTranslucentDialog : public CDialog, public IRenderListener {
public:
    CTranslucentDialog(UINT templateId, UINT imageId, LPCWSTR imageType, HINSTANCE imageModule, CWnd* parent);
    ~CTranslucentDialog() override;

    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL OnInitDialog() override;
    void OnRenderRequest(void* sender) override;

    // Composes the image and the visible widgets and presents them.
    void Render();

protected:
    // A new, not yet created companion whose parent is this dialog, or null.
    virtual CStandardDialog* CreateCompanionDialog() = 0;
    // Runs once, just before the first render.
    virtual void OnBeforeFirstRender() = 0;

    int OnCreate(LPCREATESTRUCTW cs);
    BOOL OnEraseBkgnd(HDC dc);
    void OnMove(int x, int y);
    void OnSize(UINT type, int cx, int cy);
    void OnLButtonDown(UINT flags, POINT point);

    BLENDFUNCTION m_blend{};
    std::unique_ptr<Gdiplus::Image> m_pImage;
    bool m_bEnableDrag = true;
    bool m_bCenterWindow = true;
    bool m_bHoldRender = false;
    bool m_bChildrenOnly = false;
    std::unique_ptr<CStandardDialog> m_pCompanion;
    std::list<CTranslucentWidget*> m_children;  // not owned

    DECLARE_MESSAGE_MAP()

private:
    SIZE ImageSize() const;
    void Compose(HDC target, SIZE size);
};
