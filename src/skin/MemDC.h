// A double-buffered paint pass: drawing goes to a memory context, which is copied onto the
// target in one step when the object goes away.
#pragma once
#include <windows.h>

class CMyMemDC {
public:
    // An all-zero or missing rectangle covers the target's clip box.
    CMyMemDC(HDC target, const RECT* rect = nullptr);
    ~CMyMemDC();
    CMyMemDC(const CMyMemDC&) = delete;
    CMyMemDC& operator=(const CMyMemDC&) = delete;

    operator HDC() const { return m_hDC; }
    const RECT& Rect() const { return m_rect; }

private:
    HDC m_hDC = nullptr;          // the memory context, or the target itself when printing
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_oldBitmap = nullptr;
    HDC m_target;
    RECT m_rect = {};
    bool m_bMemDC = false;
};
