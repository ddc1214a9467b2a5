// The image button over a known backdrop: faces blended from the images' own pixels, the state
// each message sequence shows, clicks and tooltips.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cmath>

#include "SkinTestSupport.h"
#include "fixtures/fixture_ids.h"
#include "framework/Dialog.h"
#include "skin/GdiPlusBitmap.h"
#include "skin/TouchButton.h"

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

const int kButtonW = 30, kButtonH = 16;

// A dialog painted in 8 x 8 blocks whose colour depends on the block's place, so a background
// taken from the wrong place shows; `shift` changes every colour for the repaint checks.
class Backdrop : public CDialog {
public:
    Backdrop() : CDialog(IDD_TEST_BACKDROP) {}

    CTouchButton small, large, bare;
    int shift = 0;
    int clicksOfSmall = 0;

    COLORREF ColourAt(int x, int y) const
    {
        return RGB((x / 8 * 23 + shift) % 256, (y / 8 * 41 + 60) % 256, (x / 8 * 7 + y / 8 * 13 + 120) % 256);
    }

protected:
    void DoDataExchange() override
    {
        DDX_Control(IDC_TEST_BUTTON_A, small);
        DDX_Control(IDC_TEST_BUTTON_B, large);
        DDX_Control(IDC_TEST_BUTTON_C, bare);
    }
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        SetWindowPos(m_hWnd, HWND_TOP, 100, 100, 240, 120, 0);
        SetWindowPos(small.m_hWnd, nullptr, 20, 30, kButtonW, kButtonH, SWP_NOZORDER);
        SetWindowPos(large.m_hWnd, nullptr, 84, 30, kButtonW, kButtonH, SWP_NOZORDER);
        SetWindowPos(bare.m_hWnd, nullptr, 148, 30, kButtonW, kButtonH, SWP_NOZORDER);
        small.SetImages(IDP_TEST_SMALL, IDP_TEST_SMALL, IDP_TEST_RED);
        large.SetImages(IDP_TEST_LARGE, IDP_TEST_LARGE, IDP_TEST_LARGE);
        return TRUE;
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message) {
        case WM_ERASEBKGND: {
            HDC dc = reinterpret_cast<HDC>(wParam);
            RECT client = GetClientRect();
            for (int y = 0; y < client.bottom; y += 8)
                for (int x = 0; x < client.right; x += 8) {
                    RECT block = {x, y, x + 8, y + 8};
                    HBRUSH brush = CreateSolidBrush(ColourAt(x, y));
                    FillRect(dc, &block, brush);
                    DeleteObject(brush);
                }
            return TRUE;
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == IDC_TEST_BUTTON_A && HIWORD(wParam) == BN_CLICKED)
                ++clicksOfSmall;
            break;
        }
        return CDialog::WindowProc(message, wParam, lParam);
    }
};

struct Argb {
    int a, r, g, b;
};

Argb ImagePixel(UINT id, int x, int y)
{
    CGdiPlusBitmapResource image;
    EXPECT_TRUE(image.LoadFromResource(id));
    ARGB pixel = 0;
    GdipBitmapGetPixel(image.m_pBitmap, x, y, &pixel);
    return {static_cast<int>(pixel >> 24), static_cast<int>((pixel >> 16) & 0xFF),
            static_cast<int>((pixel >> 8) & 0xFF), static_cast<int>(pixel & 0xFF)};
}

int Blend(double source, int alpha, int below)
{
    return static_cast<int>(std::lround((source * alpha + below * (255 - alpha)) / 255.0));
}

double Brightened(int channel)
{
    return std::min(255.0, channel * 1.05 + 0.05 * 255);
}

enum class Look { Plain, Bright };

// Checks every pixel of the button against the image blended over the backdrop at that place.
void ExpectFace(Backdrop& dialog, CTouchButton& button, UINT imageId, int imageW, int imageH, Look look,
                int backdropShift)
{
    RECT at = button.GetWindowRect();
    MapWindowPoints(nullptr, dialog.m_hWnd, reinterpret_cast<POINT*>(&at), 2);
    RECT client = {0, 0, kButtonW, kButtonH};
    std::vector<COLORREF> shown = CapturePixels(button.m_hWnd, client);
    int saved = dialog.shift;
    dialog.shift = backdropShift;
    int wrong = 0;
    for (int y = 0; y < kButtonH; ++y)
        for (int x = 0; x < kButtonW; ++x) {
            COLORREF below = dialog.ColourAt(at.left + x, at.top + y);
            int r = GetRValue(below), g = GetGValue(below), b = GetBValue(below);
            if (x < imageW && y < imageH) {
                Argb p = ImagePixel(imageId, x, y);
                auto channel = [&](int c) { return look == Look::Bright ? Brightened(c) : static_cast<double>(c); };
                r = Blend(channel(p.r), p.a, r);
                g = Blend(channel(p.g), p.a, g);
                b = Blend(channel(p.b), p.a, b);
            }
            COLORREF got = shown[static_cast<size_t>(y) * kButtonW + x];
            if (std::abs(Red(got) - r) > 1 || std::abs(Green(got) - g) > 1 || std::abs(Blue(got) - b) > 1) {
                if (++wrong <= 5)
                    ADD_FAILURE() << "pixel " << x << "," << y << " is " << Red(got) << " " << Green(got) << " "
                                  << Blue(got) << ", expected " << r << " " << g << " " << b;
            }
        }
    dialog.shift = saved;
    EXPECT_EQ(wrong, 0);
}

class TouchButtonTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dialog.Create(IDD_TEST_BACKDROP));
        UpdateWindow(dialog.m_hWnd);
        PumpMessages();
    }
    void Post(CTouchButton& button, UINT message, WPARAM wParam = 0)
    {
        PostMessageW(button.m_hWnd, message, wParam, MAKELPARAM(5, 5));
        PumpMessages();
    }
    Backdrop dialog;
};

TEST_F(TouchButtonTest, NormalFaceIsTheImageBlendedOverTheBackdrop)
{
    ASSERT_TRUE(dialog.small.IsPrepared());
    EXPECT_EQ(dialog.small.CurrentFace(), CTouchButton::Face::Normal);
    // Smaller than the button: the backdrop shows to the right and below.
    ExpectFace(dialog, dialog.small, IDP_TEST_SMALL, 20, 10, Look::Plain, 0);
    // Larger than the button: cut at the button's edges.
    ExpectFace(dialog, dialog.large, IDP_TEST_LARGE, kButtonW, kButtonH, Look::Plain, 0);
}

TEST_F(TouchButtonTest, HoverFaceIsTheHighlightImageBrightened)
{
    Post(dialog.small, WM_MOUSEHOVER);
    EXPECT_EQ(dialog.small.CurrentFace(), CTouchButton::Face::Hover);
    ExpectFace(dialog, dialog.small, IDP_TEST_SMALL, 20, 10, Look::Bright, 0);
}

TEST_F(TouchButtonTest, ButtonWithoutImagesPaintsNothingOfItsOwn)
{
    EXPECT_FALSE(dialog.bare.IsPrepared());
    ExpectFace(dialog, dialog.bare, 0, 0, 0, Look::Plain, 0);
}

TEST_F(TouchButtonTest, FacesKeepTheFirstBackdropAfterTheParentRepaints)
{
    dialog.shift = 100;
    RedrawWindow(dialog.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessages();
    ExpectFace(dialog, dialog.small, IDP_TEST_SMALL, 20, 10, Look::Plain, 0);
    ExpectFace(dialog, dialog.bare, 0, 0, 0, Look::Plain, 100);  // the new backdrop really is there
}

TEST_F(TouchButtonTest, HoverPressReleaseShowsNormalHoverPressedHover)
{
    using Face = CTouchButton::Face;
    std::vector<Face> seen = {dialog.small.CurrentFace()};
    Post(dialog.small, WM_MOUSEMOVE);
    Post(dialog.small, WM_MOUSEHOVER);
    seen.push_back(dialog.small.CurrentFace());
    Post(dialog.small, WM_LBUTTONDOWN, MK_LBUTTON);
    seen.push_back(dialog.small.CurrentFace());
    ExpectFace(dialog, dialog.small, IDP_TEST_RED, 8, 8, Look::Plain, 0);  // pressed wins over hover
    Post(dialog.small, WM_LBUTTONUP);
    seen.push_back(dialog.small.CurrentFace());
    EXPECT_EQ(seen, (std::vector<Face>{Face::Normal, Face::Hover, Face::Pressed, Face::Hover}));
    EXPECT_EQ(dialog.clicksOfSmall, 1);

    Post(dialog.small, WM_MOUSELEAVE);
    EXPECT_EQ(dialog.small.CurrentFace(), Face::Normal);
}

TEST_F(TouchButtonTest, DoubleClickGivesTwoClicks)
{
    Post(dialog.small, WM_LBUTTONDOWN, MK_LBUTTON);
    Post(dialog.small, WM_LBUTTONUP);
    Post(dialog.small, WM_LBUTTONDBLCLK, MK_LBUTTON);
    Post(dialog.small, WM_LBUTTONUP);
    EXPECT_EQ(dialog.clicksOfSmall, 2);
}

TEST_F(TouchButtonTest, TooltipExistsOnlyForNonEmptyText)
{
    dialog.small.SetToolTipText(L"");
    Post(dialog.small, WM_MOUSEHOVER);
    EXPECT_EQ(dialog.small.ToolTipWindow(), nullptr);

    dialog.large.SetToolTipText(L"清除缓存");
    Post(dialog.large, WM_MOUSEHOVER);
    HWND tip = dialog.large.ToolTipWindow();
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
    wchar_t text[64] = {};
    TOOLINFOW tool = {};
    tool.cbSize = sizeof(tool);
    tool.hwnd = dialog.large.m_hWnd;
    tool.uId = 1;
    tool.lpszText = text;
    SendMessageW(tip, TTM_GETTEXTW, 64, reinterpret_cast<LPARAM>(&tool));
    EXPECT_STREQ(text, L"清除缓存");
}

}  // namespace
