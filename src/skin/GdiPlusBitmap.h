// Decoded bitmaps, and the holder that keeps a PNG resource's bytes for as long as its bitmap.
#pragma once
#include <windows.h>
#include <gdiplus.h>

class CGdiPlusBitmap {
public:
    CGdiPlusBitmap() = default;
    virtual ~CGdiPlusBitmap();
    CGdiPlusBitmap(const CGdiPlusBitmap&) = delete;
    CGdiPlusBitmap& operator=(const CGdiPlusBitmap&) = delete;

    Gdiplus::GpBitmap* m_pBitmap = nullptr;
};

class CGdiPlusBitmapResource : public CGdiPlusBitmap {
public:
    ~CGdiPlusBitmapResource() override;

    // True when the "PNG" resource of the executable decoded into a bitmap. The previous image
    // is released first, whatever the outcome.
    bool LoadFromResource(UINT id);
    // Deletes the bitmap and frees its buffer; both are absent afterwards.
    void ReleaseImage();

    HGLOBAL Buffer() const { return m_hBuffer; }

private:
    HGLOBAL m_hBuffer = nullptr;
};
