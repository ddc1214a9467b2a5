#include "skin/MenbanDlg.h"

#include "framework/ResString.h"
#include "res/resource.h"
#include "skin/PngResource.h"

using namespace Gdiplus;

CMenbanDlg::CMenbanDlg(CWnd* parent) : CDialog(IDD_MASK, parent) {}

CMenbanDlg::~CMenbanDlg() = default;

UINT CMenbanDlg::CurrentFrameId() const
{
    return IDP_MASK_FRAME_FIRST + static_cast<UINT>(m_curFrame);
}

BOOL CMenbanDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_pImgBack.reset(LoadPngImage(IDP_MASK_VEIL));
    for (int i = 0; i < kFrameCount; ++i)
        m_pImgFrame[i].reset(LoadPngImage(IDP_MASK_FRAME_FIRST + i));
    m_curFrame = 0;
    m_nFrame = 1;
    ModifyStyleEx(0, WS_EX_LAYERED);
    SetLayeredWindowAttributes(m_hWnd, 0, 229, LWA_ALPHA);
    return TRUE;
}

RECT CMenbanDlg::FrameRect(const CSkinImage* frame) const
{
    // The halvings are unsigned: a client area smaller than the frame puts it far outside.
    RECT client = GetClientRect();
    UINT width = ImageWidth(frame), height = ImageHeight(frame);
    UINT x = (static_cast<UINT>(client.right) - width) / 2;
    UINT y = (static_cast<UINT>(client.bottom) - height) / 2 - 40;
    return RECT{static_cast<LONG>(x), static_cast<LONG>(y), static_cast<LONG>(x + width),
                static_cast<LONG>(y + height)};
}

void CMenbanDlg::Paint()
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hWnd, &paint);
    RECT client = GetClientRect();
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
    HGDIOBJ old = SelectObject(memory, bitmap);
    FillRect(memory, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    {
        CGraphics graphics(memory);
        graphics.FillTiled(NativeImage(m_pImgBack.get()), client.left, client.top, client.right, client.bottom);
        const CSkinImage* frame = m_pImgFrame[m_curFrame].get();
        RECT at = FrameRect(frame);
        graphics.DrawImage(NativeImage(frame), at.left, at.top);
        CSkinFont font(14, FontStyleRegular);
        RectF layout(static_cast<REAL>((client.right - 200) / 2), static_cast<REAL>((client.bottom - 31) / 2), 200,
                     31);
        graphics.DrawText(LoadResString(IDS_CLEARING_CACHE), font, layout, 0xFFFFF5D3, StringAlignmentCenter,
                          StringTrimmingEllipsisWord);
    }
    BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    EndPaint(m_hWnd, &paint);
}

void CMenbanDlg::NextFrame()
{
    if (m_nFrame < 1 || m_nFrame > kFrameCount)
        m_nFrame = 1;
    m_curFrame = m_nFrame - 1;
    RECT at = FrameRect(m_pImgFrame[m_curFrame].get());
    InvalidateRect(m_hWnd, &at, TRUE);
    UpdateWindow(m_hWnd);
    ++m_nFrame;
}

LRESULT CMenbanDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        return TRUE;  // painting covers every pixel
    case WM_PAINT:
        Paint();
        return 0;
    case WM_TIMER:
        if (wParam == kAnimationTimer)
            NextFrame();
        return 0;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}
