// A memory device context with a bitmap of its own, kept for as long as the object lives.
#pragma once
#include <windows.h>

class CBitmapDC {
public:
    CBitmapDC() = default;
    ~CBitmapDC() { Destroy(); }
    CBitmapDC(const CBitmapDC&) = delete;
    CBitmapDC& operator=(const CBitmapDC&) = delete;

    // A context compatible with reference, holding a width x height bitmap.
    bool Create(HDC reference, int width, int height);
    void Destroy();
    bool Exists() const { return m_hDC != nullptr; }
    HDC Hdc() const { return m_hDC; }

private:
    HDC m_hDC = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_oldBitmap = nullptr;
};
