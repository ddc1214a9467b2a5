#include "skin/CustomMessageBox.h"

#include "res/resource.h"
#include "skin/PngResource.h"

using namespace Gdiplus;

namespace {
const int kWidth = 256, kHeight = 110;
}

CCustomMessageBox::CCustomMessageBox(CWnd* parent) : CDialog(IDD_MESSAGE_BOX, parent) {}

CCustomMessageBox::~CCustomMessageBox() = default;

void CCustomMessageBox::SetTexts(const std::wstring& title, const std::wstring& message)
{
    m_title = title;
    m_message = message;
}

void CCustomMessageBox::DoDataExchange()
{
    DDX_Control(IDOK, m_btnOK);
    DDX_Control(IDCANCEL, m_btnCancel);
    DDX_Control(IDC_MSGBOX_CLOSE, m_btnClose);
}

BOOL CCustomMessageBox::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowPos(m_hWnd, nullptr, 0, 0, kWidth, kHeight, SWP_NOMOVE | SWP_NOZORDER);
    ModifyStyle(0, WS_SYSMENU | WS_MINIMIZEBOX);
    ModifyStyle(WS_CAPTION, 0, SWP_FRAMECHANGED);

    RECT client = GetClientRect();
    const UINT place = SWP_NOZORDER;
    SetWindowPos(m_btnClose.m_hWnd, nullptr, client.right - 19, 10, 9, 9, place);
    m_btnClose.SetImages(IDP_MSGBOX_CLOSE, IDP_MSGBOX_CLOSE, IDP_MSGBOX_CLOSE);
    SetWindowPos(m_btnOK.m_hWnd, nullptr, 36, client.bottom - 44, 82, 34, place);
    m_btnOK.SetImages(IDP_MSGBOX_OK, IDP_MSGBOX_OK_HOT, IDP_MSGBOX_OK_HOT);
    SetWindowPos(m_btnCancel.m_hWnd, nullptr, 138, client.bottom - 44, 82, 34, place);
    m_btnCancel.SetImages(IDP_MSGBOX_CANCEL, IDP_MSGBOX_CANCEL_HOT, IDP_MSGBOX_CANCEL_HOT);

    m_pImgBack.reset(LoadPngImage(IDP_MSGBOX_BACKGROUND));
    return TRUE;
}

void CCustomMessageBox::Draw(HDC dc)
{
    RECT client = GetClientRect();
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
    HGDIOBJ old = SelectObject(memory, bitmap);
    {
        CGraphics graphics(memory);
        graphics.DrawImage(NativeImage(m_pImgBack.get()), 0, 0, static_cast<INT>(ImageWidth(m_pImgBack.get())),
                           static_cast<INT>(ImageHeight(m_pImgBack.get())));
        CSkinFont titleFont(13, FontStyleBold);
        graphics.DrawText(m_title, titleFont, RectF(78, 8, 100, 25), 0xFFFFFFFF, StringAlignmentCenter,
                          StringTrimmingEllipsisCharacter);
        CSkinFont messageFont(11, FontStyleRegular);
        graphics.DrawText(m_message, messageFont, RectF(28, 35, 200, 30), 0xFFFFECF7, StringAlignmentCenter,
                          StringTrimmingEllipsisCharacter);
    }
    BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

LRESULT CCustomMessageBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        Draw(reinterpret_cast<HDC>(wParam));
        return TRUE;
    case WM_NCHITTEST: {
        // Any point that is not on a button drags the box.
        LRESULT hit = Default();
        return hit == HTCLIENT ? HTCAPTION : hit;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_MSGBOX_CLOSE && HIWORD(wParam) == BN_CLICKED) {
            EndDialog(IDCANCEL);
            return 0;
        }
        break;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}
