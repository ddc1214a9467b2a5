// PNG resources: the two loaders, the holder's release rules, the skin's own images and the
// double-buffered paint pass.
#include <gtest/gtest.h>

#include <memory>

#include "fixtures/fixture_ids.h"
#include "skin/GdiPlusBitmap.h"
#include "skin/MemDC.h"
#include "skin/PngResource.h"

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

TEST(LoadPngImage, MissingIdGivesNoImage)
{
    EXPECT_EQ(LoadPngImage(IDP_TEST_MISSING), nullptr);
}

TEST(LoadPngImage, BytesThatAreNoImageGiveAnEmptyImageThatDrawsNothing)
{
    std::unique_ptr<CSkinImage> image(LoadPngImage(IDP_TEST_NOT_IMAGE));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->GetWidth(), 0u);
    EXPECT_EQ(image->GetHeight(), 0u);

    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 4, 4);
    HGDIOBJ old = SelectObject(memory, bitmap);
    RECT all = {0, 0, 4, 4};
    HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
    FillRect(memory, &all, blue);
    {
        CGraphics graphics(memory);
        graphics.DrawImage(image->Native(), 0, 0);
    }
    EXPECT_EQ(GetPixel(memory, 1, 1), RGB(0, 0, 255));
    SelectObject(memory, old);
    DeleteObject(blue);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

TEST(LoadPngImage, DecodedImageKeepsItsPixelsAfterTheCallReturns)
{
    std::unique_ptr<CSkinImage> image(LoadPngImage(IDP_TEST_RED));
    ASSERT_NE(image, nullptr);
    ASSERT_EQ(image->GetWidth(), 8u);
    ARGB pixel = 0;
    ASSERT_EQ(GdipBitmapGetPixel(reinterpret_cast<GpBitmap*>(image->Native()), 3, 3, &pixel), Ok);
    EXPECT_EQ(pixel, 0xFFDC1E1Eu);
}

TEST(LoadFromResource, FailuresLeaveNeitherBitmapNorBuffer)
{
    for (UINT id : {IDP_TEST_MISSING, IDP_TEST_NOT_IMAGE}) {
        SCOPED_TRACE(id);
        CGdiPlusBitmapResource holder;
        EXPECT_FALSE(holder.LoadFromResource(id));
        EXPECT_EQ(holder.m_pBitmap, nullptr);
        EXPECT_EQ(holder.Buffer(), nullptr);
    }
}

TEST(LoadFromResource, SecondLoadReleasesTheFirstImageEvenWhenItFails)
{
    CGdiPlusBitmapResource holder;
    ASSERT_TRUE(holder.LoadFromResource(IDP_TEST_SMALL));
    EXPECT_NE(holder.m_pBitmap, nullptr);
    EXPECT_NE(holder.Buffer(), nullptr);

    EXPECT_FALSE(holder.LoadFromResource(IDP_TEST_NOT_IMAGE));
    EXPECT_EQ(holder.m_pBitmap, nullptr);
    EXPECT_EQ(holder.Buffer(), nullptr);

    ASSERT_TRUE(holder.LoadFromResource(IDP_TEST_LARGE));
    UINT width = 0;
    GdipGetImageWidth(holder.m_pBitmap, &width);
    EXPECT_EQ(width, 80u);
    holder.ReleaseImage();
    EXPECT_EQ(holder.m_pBitmap, nullptr);
    EXPECT_EQ(holder.Buffer(), nullptr);
}

// Every skin image the windows draw, at the size they place it, with an alpha channel.
TEST(SkinImages, EachIdDecodesAtItsSizeWithAlpha)
{
    struct Group {
        std::vector<UINT> ids;
        UINT width, height;
    };
    const Group groups[] = {
        {{203}, 103, 30},
        {{172}, 1, 30},
        {{206}, 92, 30},
        {{207, 208, 209, 210, 213, 217, 220, 221, 227, 228, 229, 230}, 28, 26},
        {{211, 212, 214, 224, 231, 234}, 59, 24},
        {{215, 223, 233}, 97, 24},
        {{219, 226, 236, 252, 253, 261}, 78, 24},
        {{275}, 1, 1},
        {{276, 277, 278, 279}, 23, 23},
        {{306}, 256, 110},
        {{307, 308, 309}, 25, 25},
        {{310, 311, 312}, 20, 20},
        {{313, 314, 315, 316}, 82, 34},
        {{318}, 9, 9},
    };
    for (const Group& group : groups) {
        for (UINT id : group.ids) {
            SCOPED_TRACE(id);
            CGdiPlusBitmapResource holder;
            ASSERT_TRUE(holder.LoadFromResource(id));
            UINT width = 0, height = 0;
            PixelFormat format = 0;
            GdipGetImageWidth(holder.m_pBitmap, &width);
            GdipGetImageHeight(holder.m_pBitmap, &height);
            GdipGetImagePixelFormat(holder.m_pBitmap, &format);
            EXPECT_EQ(width, group.width);
            EXPECT_EQ(height, group.height);
            EXPECT_TRUE(format & PixelFormatAlpha) << std::hex << format;
        }
    }
}

TEST(SkinImages, VeilIsOneBlackPixelAtAlpha230)
{
    CGdiPlusBitmapResource holder;
    ASSERT_TRUE(holder.LoadFromResource(275));
    ARGB pixel = 0;
    GdipBitmapGetPixel(holder.m_pBitmap, 0, 0, &pixel);
    EXPECT_EQ(pixel, 0xE6000000u);
}

TEST(SkinImages, LoginBackgroundKeysOnlyItsStripsWithPureGreen)
{
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(129), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(bitmap, nullptr);
    DIBSECTION section = {};
    ASSERT_EQ(GetObjectW(bitmap, sizeof(section), &section), static_cast<int>(sizeof(section)));
    EXPECT_EQ(section.dsBm.bmWidth, 660);
    EXPECT_EQ(section.dsBm.bmHeight, 399);
    EXPECT_EQ(section.dsBm.bmBitsPixel, 24);

    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(memory, bitmap);
    const COLORREF green = RGB(0, 255, 0);
    int greenInPicture = 0;
    for (int y = 21; y < 379; ++y)
        for (int x = 0; x < 660; x += 3)
            greenInPicture += GetPixel(memory, x, y) == green;
    EXPECT_EQ(greenInPicture, 0);
    EXPECT_EQ(GetPixel(memory, 10, 10), green);    // top strip, left: see-through
    EXPECT_NE(GetPixel(memory, 640, 10), green);   // the ornament behind the buttons
    EXPECT_EQ(GetPixel(memory, 2, 390), green);    // bottom strip around the notice
    int notice = 0;
    for (int x = 0; x < 660; ++x)
        for (int y = 379; y < 399; ++y) {
            COLORREF c = GetPixel(memory, x, y);
            notice += GetRValue(c) > 200 && GetGValue(c) > 200 && GetBValue(c) < 120;
        }
    EXPECT_GT(notice, 200);  // a line of yellow text
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(bitmap);
}

TEST(MyMemDC, CopiesItsRectangleOntoTheTargetWhenItEnds)
{
    struct Case {
        RECT given;
        RECT expectCovered;
    };
    // The target is a 40 x 30 bitmap clipped to (5, 5)-(25, 20).
    const Case cases[] = {
        {{10, 8, 20, 16}, {10, 8, 20, 16}},
        {{0, 0, 0, 0}, {5, 5, 25, 20}},  // all zero: the clip box
    };
    for (const Case& c : cases) {
        HDC screen = GetDC(nullptr);
        HDC target = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, 40, 30);
        ReleaseDC(nullptr, screen);
        HGDIOBJ old = SelectObject(target, bitmap);
        RECT whole = {0, 0, 40, 30};
        FillRect(target, &whole, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        HRGN clip = CreateRectRgn(5, 5, 25, 20);
        SelectClipRgn(target, clip);
        {
            CMyMemDC buffer(target, &c.given);
            EXPECT_EQ(buffer.Rect().left, c.expectCovered.left);
            EXPECT_EQ(buffer.Rect().bottom, c.expectCovered.bottom);
            // Callers draw in the target's coordinates.
            FillRect(buffer, &whole, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        }
        SelectClipRgn(target, nullptr);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x) {
                bool inside = x >= c.expectCovered.left && x < c.expectCovered.right && y >= c.expectCovered.top &&
                              y < c.expectCovered.bottom;
                ASSERT_EQ(GetPixel(target, x, y), inside ? RGB(255, 255, 255) : RGB(0, 0, 0)) << x << "," << y;
            }
        DeleteObject(clip);
        SelectObject(target, old);
        DeleteObject(bitmap);
        DeleteDC(target);
    }
}

}  // namespace
