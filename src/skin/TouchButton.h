// The skin's image button: three PNG images blended once over the parent's pixels behind the
// button into normal, pressed, hover and disabled faces; painting copies the face of the state.
#pragma once
#include <memory>
#include <string>

#include "framework/Button.h"
#include "framework/ToolTipCtrl.h"
#include "skin/BitmapDC.h"
#include "skin/GdiPlusBitmap.h"

class CTouchButton : public CButton {
public:
    CTouchButton() = default;
    ~CTouchButton() override;

    // Loads the highlight, then the normal, then the pressed image; the highlight's result.
    BOOL SetImages(UINT normalId, UINT highlightId, UINT pressedId);
    // An empty text does nothing; otherwise creates the tooltip on first use and sets its text.
    void SetToolTipText(const std::wstring& text, BOOL activate = TRUE);
    void ReleaseResources();

    enum class Face { None, Normal, Pressed, Hover, Disabled };
    Face CurrentFace() const { return m_currentFace; }
    HWND ToolTipWindow() const { return m_pToolTip ? m_pToolTip->m_hWnd : nullptr; }
    bool IsPrepared() const { return m_bPrepared; }

    BOOL PreTranslateMessage(MSG* message) override;

protected:
    void PreSubclassWindow() override;
    void DrawItem(DRAWITEMSTRUCT* item) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void PrepareFaces(HDC supplied);
    void CaptureBackground(int width, int height);
    void RenderFace(CBitmapDC& face, HDC work, int width, int height, const CGdiPlusBitmapResource* image,
                    const Gdiplus::ColorMatrix* matrix);
    CBitmapDC& FaceDC(Face face);

    bool m_bPrepared = false;
    bool m_bDisabled = false;
    bool m_bHover = false;
    bool m_bTracking = false;
    std::unique_ptr<CGdiPlusBitmapResource> m_pHighlight;
    std::unique_ptr<CGdiPlusBitmapResource> m_pNormal;
    std::unique_ptr<CGdiPlusBitmapResource> m_pPressed;
    std::wstring m_toolTipText;
    std::unique_ptr<CToolTipCtrl> m_pToolTip;
    CBitmapDC m_background;
    CBitmapDC m_normalFace, m_pressedFace, m_hoverFace, m_disabledFace;
    Face m_currentFace = Face::None;
};
