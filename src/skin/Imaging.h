// The imaging operations the skin draws with: GDI+ through its flat interface, wrapped so that a
// missing image or a failed call simply draws nothing.
#pragma once
#include <windows.h>
#include <gdiplus.h>

#include <string>

// Starts GDI+ for the lifetime of the object (the program's start-up does it once per run).
class CGdiPlusSession {
public:
    CGdiPlusSession();
    ~CGdiPlusSession();
    CGdiPlusSession(const CGdiPlusSession&) = delete;
    CGdiPlusSession& operator=(const CGdiPlusSession&) = delete;

private:
    ULONG_PTR m_token = 0;
};

// One decoded image. An image that failed to decode has size 0 and draws nothing.
class CSkinImage {
public:
    explicit CSkinImage(Gdiplus::GpImage* native) : m_native(native) {}
    ~CSkinImage();
    CSkinImage(const CSkinImage&) = delete;
    CSkinImage& operator=(const CSkinImage&) = delete;

    Gdiplus::GpImage* Native() const { return m_native; }
    UINT GetWidth() const;
    UINT GetHeight() const;

private:
    Gdiplus::GpImage* m_native;
};

// The colour matrices of the skin (row vector red, green, blue, alpha, 1 times the matrix).
const Gdiplus::ColorMatrix& BrighteningMatrix();  // each colour channel x 1.05 + 0.05
const Gdiplus::ColorMatrix& GreyMatrix();         // luminance 0.3 r + 0.59 g + 0.11 b

// A text font of family "arial", or of the generic sans-serif family when "arial" is missing.
class CSkinFont {
public:
    CSkinFont(Gdiplus::REAL pixels, INT style);
    ~CSkinFont();
    CSkinFont(const CSkinFont&) = delete;
    CSkinFont& operator=(const CSkinFont&) = delete;
    Gdiplus::GpFont* Native() const { return m_font; }

private:
    Gdiplus::GpFont* m_font = nullptr;
};

// A drawing surface over a device context for one paint pass.
class CGraphics {
public:
    explicit CGraphics(HDC dc);
    ~CGraphics();
    CGraphics(const CGraphics&) = delete;
    CGraphics& operator=(const CGraphics&) = delete;

    // At the image's natural size, blended with its alpha.
    void DrawImage(Gdiplus::GpImage* image, INT x, INT y);
    // Scaled into the rectangle.
    void DrawImage(Gdiplus::GpImage* image, INT x, INT y, INT width, INT height);
    // At natural size, each pixel passed through the colour matrix while blending.
    void DrawImage(Gdiplus::GpImage* image, INT x, INT y, const Gdiplus::ColorMatrix& matrix);
    // The image tiled across the rectangle, starting at the rectangle's top-left corner.
    void FillTiled(Gdiplus::GpImage* image, INT x, INT y, INT width, INT height);
    // Wrapped text inside the layout rectangle, cut with an ellipsis when it does not fit.
    void DrawText(const std::wstring& text, const CSkinFont& font, Gdiplus::RectF layout, Gdiplus::ARGB colour,
                  Gdiplus::StringAlignment align, Gdiplus::StringTrimming trimming);

private:
    Gdiplus::GpGraphics* m_graphics = nullptr;
};

inline UINT ImageWidth(const CSkinImage* image) { return image ? image->GetWidth() : 0; }
inline UINT ImageHeight(const CSkinImage* image) { return image ? image->GetHeight() : 0; }
inline Gdiplus::GpImage* NativeImage(const CSkinImage* image) { return image ? image->Native() : nullptr; }
