#include "skin/Imaging.h"

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

CGdiPlusSession::CGdiPlusSession()
{
    GdiplusStartupInput input;
    GdiplusStartup(&m_token, &input, nullptr);
}

CGdiPlusSession::~CGdiPlusSession()
{
    GdiplusShutdown(m_token);
}

CSkinImage::~CSkinImage()
{
    if (m_native)
        GdipDisposeImage(m_native);
}

UINT CSkinImage::GetWidth() const
{
    UINT width = 0;
    return m_native && GdipGetImageWidth(m_native, &width) == Ok ? width : 0;
}

UINT CSkinImage::GetHeight() const
{
    UINT height = 0;
    return m_native && GdipGetImageHeight(m_native, &height) == Ok ? height : 0;
}

const ColorMatrix& BrighteningMatrix()
{
    static const ColorMatrix matrix = {{
        {1.05f, 0, 0, 0, 0},
        {0, 1.05f, 0, 0, 0},
        {0, 0, 1.05f, 0, 0},
        {0, 0, 0, 1, 0},
        {0.05f, 0.05f, 0.05f, 0, 1},
    }};
    return matrix;
}

const ColorMatrix& GreyMatrix()
{
    static const ColorMatrix matrix = {{
        {0.3f, 0.3f, 0.3f, 0, 0},
        {0.59f, 0.59f, 0.59f, 0, 0},
        {0.11f, 0.11f, 0.11f, 0, 0},
        {0, 0, 0, 1, 0},
        {0, 0, 0, 0, 1},
    }};
    return matrix;
}

CSkinFont::CSkinFont(REAL pixels, INT style)
{
    GpFontFamily* family = nullptr;
    if (GdipCreateFontFamilyFromName(L"arial", nullptr, &family) == Ok && family) {
        GdipCreateFont(family, pixels, style, UnitPixel, &m_font);
        GdipDeleteFontFamily(family);
    }
    if (!m_font) {
        GpFontFamily* sans = nullptr;
        if (GdipGetGenericFontFamilySansSerif(&sans) == Ok && sans) {
            GdipCreateFont(sans, pixels, style, UnitPixel, &m_font);
            GdipDeleteFontFamily(sans);
        }
    }
}

CSkinFont::~CSkinFont()
{
    if (m_font)
        GdipDeleteFont(m_font);
}

CGraphics::CGraphics(HDC dc)
{
    GdipCreateFromHDC(dc, &m_graphics);
}

CGraphics::~CGraphics()
{
    if (m_graphics)
        GdipDeleteGraphics(m_graphics);
}

void CGraphics::DrawImage(GpImage* image, INT x, INT y)
{
    if (m_graphics && image)
        GdipDrawImageI(m_graphics, image, x, y);
}

void CGraphics::DrawImage(GpImage* image, INT x, INT y, INT width, INT height)
{
    if (m_graphics && image)
        GdipDrawImageRectI(m_graphics, image, x, y, width, height);
}

void CGraphics::DrawImage(GpImage* image, INT x, INT y, const ColorMatrix& matrix)
{
    if (!m_graphics || !image)
        return;
    UINT width = 0, height = 0;
    GdipGetImageWidth(image, &width);
    GdipGetImageHeight(image, &height);
    GpImageAttributes* attributes = nullptr;
    GdipCreateImageAttributes(&attributes);
    if (attributes)
        GdipSetImageAttributesColorMatrix(attributes, ColorAdjustTypeDefault, TRUE, &matrix, nullptr,
                                          ColorMatrixFlagsDefault);
    GdipDrawImageRectRect(m_graphics, image, static_cast<REAL>(x), static_cast<REAL>(y), static_cast<REAL>(width),
                          static_cast<REAL>(height), 0, 0, static_cast<REAL>(width), static_cast<REAL>(height),
                          UnitPixel, attributes, nullptr, nullptr);
    if (attributes)
        GdipDisposeImageAttributes(attributes);
}

void CGraphics::FillTiled(GpImage* image, INT x, INT y, INT width, INT height)
{
    if (!m_graphics || !image)
        return;
    GpTexture* texture = nullptr;
    if (GdipCreateTexture(image, WrapModeTile, &texture) != Ok || !texture)
        return;
    GdipTranslateTextureTransform(texture, static_cast<REAL>(x), static_cast<REAL>(y), MatrixOrderPrepend);
    GdipFillRectangleI(m_graphics, texture, x, y, width, height);
    GdipDeleteBrush(texture);
}

void CGraphics::DrawText(const std::wstring& text, const CSkinFont& font, RectF layout, ARGB colour,
                         StringAlignment align, StringTrimming trimming)
{
    if (!m_graphics || !font.Native())
        return;
    GpSolidFill* brush = nullptr;
    GdipCreateSolidFill(colour, &brush);
    GpStringFormat* format = nullptr;
    GdipCreateStringFormat(0, 0, &format);
    if (format) {
        GdipSetStringFormatAlign(format, align);
        GdipSetStringFormatTrimming(format, trimming);
    }
    if (brush)
        GdipDrawString(m_graphics, text.c_str(), -1, font.Native(), &layout, format, brush);
    if (format)
        GdipDeleteStringFormat(format);
    if (brush)
        GdipDeleteBrush(brush);
}
