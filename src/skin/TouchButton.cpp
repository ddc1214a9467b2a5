#include "skin/TouchButton.h"

#include <commctrl.h>

#include "skin/Imaging.h"
#include "skin/MemDC.h"

using namespace Gdiplus;

CTouchButton::~CTouchButton()
{
    ReleaseResources();
}

void CTouchButton::ReleaseResources()
{
    m_pHighlight.reset();
    m_pNormal.reset();
    m_pPressed.reset();
    m_pToolTip.reset();
}

BOOL CTouchButton::SetImages(UINT normalId, UINT highlightId, UINT pressedId)
{
    m_pHighlight = std::make_unique<CGdiPlusBitmapResource>();
    m_pNormal = std::make_unique<CGdiPlusBitmapResource>();
    m_pPressed = std::make_unique<CGdiPlusBitmapResource>();
    bool loaded = m_pHighlight->LoadFromResource(highlightId);
    m_pNormal->LoadFromResource(normalId);
    m_pPressed->LoadFromResource(pressedId);
    return loaded;
}

void CTouchButton::SetToolTipText(const std::wstring& text, BOOL activate)
{
    if (text.empty())
        return;
    if (!m_pToolTip) {
        m_pToolTip = std::make_unique<CToolTipCtrl>();
        m_pToolTip->Create(this, 0);
        m_pToolTip->Activate(TRUE);
    }
    m_toolTipText = text;
    if (m_pToolTip->GetToolCount() == 0)
        m_pToolTip->AddTool(this, text, GetClientRect(), 1);
    m_pToolTip->UpdateTipText(text, this, 1);
    m_pToolTip->SetDelayTime(TTDT_AUTOMATIC, 2000);
    m_pToolTip->Activate(activate);
}

void CTouchButton::PreSubclassWindow()
{
    ModifyStyle(0, BS_OWNERDRAW, SWP_FRAMECHANGED);
}

BOOL CTouchButton::PreTranslateMessage(MSG* message)
{
    // Two quick clicks are two clicks, not a click and a double-click.
    if (message->message == WM_LBUTTONDBLCLK)
        message->message = WM_LBUTTONDOWN;
    if (m_pToolTip && IsWindow(m_pToolTip->m_hWnd))
        m_pToolTip->RelayEvent(message);
    return CButton::PreTranslateMessage(message);
}

CBitmapDC& CTouchButton::FaceDC(Face face)
{
    switch (face) {
    case Face::Pressed:
        return m_pressedFace;
    case Face::Hover:
        return m_hoverFace;
    case Face::Disabled:
        return m_disabledFace;
    default:
        return m_normalFace;
    }
}

void CTouchButton::CaptureBackground(int width, int height)
{
    HWND parent = ::GetParent(m_hWnd);
    HDC parentDC = GetDC(parent);
    RECT rect = GetWindowRect();
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    m_background.Create(parentDC, width, height);
    BitBlt(m_background.Hdc(), 0, 0, width, height, parentDC, rect.left, rect.top, SRCCOPY);
    ReleaseDC(parent, parentDC);
}

void CTouchButton::RenderFace(CBitmapDC& face, HDC work, int width, int height, const CGdiPlusBitmapResource* image,
                              const ColorMatrix* matrix)
{
    if (face.Exists())
        return;
    BitBlt(work, 0, 0, width, height, m_background.Hdc(), 0, 0, SRCCOPY);
    {
        CGraphics graphics(work);
        if (image && image->m_pBitmap) {
            if (matrix)
                graphics.DrawImage(image->m_pBitmap, 0, 0, *matrix);
            else
                graphics.DrawImage(image->m_pBitmap, 0, 0);
        }
    }
    face.Create(work, width, height);
    BitBlt(face.Hdc(), 0, 0, width, height, work, 0, 0, SRCCOPY);
}

void CTouchButton::PrepareFaces(HDC supplied)
{
    if (m_bPrepared || !m_pHighlight || !m_pNormal || !m_pPressed)
        return;
    RECT client = GetClientRect();
    int width = client.right, height = client.bottom;
    CMyMemDC work(supplied, &client);
    if (!m_background.Exists())
        CaptureBackground(width, height);
    if (!m_normalFace.Exists()) {
        RenderFace(m_normalFace, work, width, height, m_pNormal.get(), nullptr);
        RenderFace(m_pressedFace, work, width, height, m_pPressed.get(), nullptr);
        RenderFace(m_hoverFace, work, width, height, m_pHighlight.get(), &BrighteningMatrix());
        RenderFace(m_disabledFace, work, width, height, m_pHighlight.get(), &GreyMatrix());
    }
    if (m_currentFace == Face::None)
        m_currentFace = Face::Normal;
    m_bPrepared = true;
}

void CTouchButton::DrawItem(DRAWITEMSTRUCT* item)
{
    Face face = Face::Normal;
    if (m_bDisabled)
        face = Face::Disabled;
    else if (item->itemState & ODS_SELECTED)
        face = Face::Pressed;
    else if (m_bHover)
        face = Face::Hover;
    m_currentFace = face;
    CBitmapDC& dc = FaceDC(face);
    if (!dc.Exists())
        return;
    RECT client = GetClientRect();
    BitBlt(item->hDC, 0, 0, client.right, client.bottom, dc.Hdc(), 0, 0, SRCCOPY);
}

LRESULT CTouchButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        return TRUE;
    case WM_REFLECT_BASE + WM_CTLCOLORBTN:
    case WM_REFLECT_BASE + WM_CTLCOLORSTATIC:
        PrepareFaces(reinterpret_cast<HDC>(wParam));
        return 0;  // no brush: the parent's colours stay in effect
    case WM_MOUSEMOVE:
        if (!m_bTracking) {
            TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE | TME_HOVER, m_hWnd, 1};
            m_bTracking = _TrackMouseEvent(&track) != FALSE;
        }
        break;
    case WM_MOUSEHOVER: {
        m_bHover = true;
        Invalidate(TRUE);
        m_pToolTip.reset();
        std::wstring text = m_toolTipText;
        SetToolTipText(text, TRUE);
        if (m_pToolTip)
            m_pToolTip->Update();
        return 0;
    }
    case WM_MOUSELEAVE:
        m_bTracking = false;
        m_bHover = false;
        Invalidate(TRUE);
        return 0;
    }
    return CButton::WindowProc(message, wParam, lParam);
}
