#include "skin/MemDC.h"

CMyMemDC::CMyMemDC(HDC target, const RECT* rect) : m_target(target)
{
    if (GetDeviceCaps(target, TECHNOLOGY) == DT_RASPRINTER) {
        m_hDC = target;
        return;
    }
    m_bMemDC = true;
    m_hDC = CreateCompatibleDC(target);
    if (rect && !(rect->left == 0 && rect->top == 0 && rect->right == 0 && rect->bottom == 0))
        m_rect = *rect;
    else
        GetClipBox(target, &m_rect);
    m_bitmap = CreateCompatibleBitmap(target, m_rect.right - m_rect.left, m_rect.bottom - m_rect.top);
    m_oldBitmap = SelectObject(m_hDC, m_bitmap);
    SetWindowOrgEx(m_hDC, m_rect.left, m_rect.top, nullptr);
}

CMyMemDC::~CMyMemDC()
{
    if (m_bMemDC) {
        BitBlt(m_target, m_rect.left, m_rect.top, m_rect.right - m_rect.left, m_rect.bottom - m_rect.top, m_hDC,
               m_rect.left, m_rect.top, SRCCOPY);
        SelectObject(m_hDC, m_oldBitmap);
        DeleteDC(m_hDC);
    }
    m_hDC = nullptr;
    if (m_bitmap)
        DeleteObject(m_bitmap);
}
