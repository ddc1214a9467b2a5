#include "skin/BitmapDC.h"

bool CBitmapDC::Create(HDC reference, int width, int height)
{
    Destroy();
    m_hDC = CreateCompatibleDC(reference);
    if (!m_hDC)
        return false;
    m_bitmap = CreateCompatibleBitmap(reference, width, height);
    m_oldBitmap = SelectObject(m_hDC, m_bitmap);
    return m_bitmap != nullptr;
}

void CBitmapDC::Destroy()
{
    if (m_hDC) {
        SelectObject(m_hDC, m_oldBitmap);
        DeleteDC(m_hDC);
    }
    if (m_bitmap)
        DeleteObject(m_bitmap);
    m_hDC = nullptr;
    m_bitmap = nullptr;
    m_oldBitmap = nullptr;
}
