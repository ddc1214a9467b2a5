// The overlay mask over an owner window: layered translucency, the veil, the spinner's frame
// sequence across showings and the notice text.
#include <gtest/gtest.h>

#include "SkinTestSupport.h"
#include "fixtures/fixture_ids.h"
#include "framework/Dialog.h"
#include "res/resource.h"
#include "skin/MenbanDlg.h"

namespace {

class MaskTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(owner.Create(IDD_TEST_BACKDROP));
        SetWindowPos(owner.m_hWnd, nullptr, 50, 60, 500, 300, SWP_NOZORDER);
        ASSERT_TRUE(mask.Create(IDD_MASK, &owner));
        ShowWindow(mask.m_hWnd, SW_HIDE);
    }
    void Show()
    {
        RECT over = owner.GetWindowRect();
        SetWindowPos(mask.m_hWnd, nullptr, over.left, over.top, over.right - over.left, over.bottom - over.top,
                     SWP_NOZORDER);
        ShowWindow(mask.m_hWnd, SW_SHOW);
        PumpMessages();
    }
    UINT Tick(UINT_PTR timer = CMenbanDlg::kAnimationTimer)
    {
        SendMessageW(mask.m_hWnd, WM_TIMER, timer, 0);
        return mask.CurrentFrameId();
    }

    CDialog owner{IDD_TEST_BACKDROP};
    CMenbanDlg mask{&owner};
};

TEST_F(MaskTest, IsALayeredWindowAt229OwnedByTheWindowItCovers)
{
    EXPECT_TRUE(GetWindowLongW(mask.m_hWnd, GWL_EXSTYLE) & WS_EX_LAYERED);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(mask.m_hWnd, nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 229);
    EXPECT_EQ(flags, static_cast<DWORD>(LWA_ALPHA));
    EXPECT_EQ(GetWindow(mask.m_hWnd, GW_OWNER), owner.m_hWnd);
    EXPECT_FALSE(IsWindowVisible(mask.m_hWnd));
}

TEST_F(MaskTest, SpinnerFramesContinueAcrossShowings)
{
    std::vector<UINT> frames = {mask.CurrentFrameId()};
    Show();
    for (int i = 0; i < 6; ++i)
        frames.push_back(Tick());
    EXPECT_EQ(Tick(1), 277u);  // other timers change nothing
    ShowWindow(mask.m_hWnd, SW_HIDE);
    Show();
    for (int i = 0; i < 3; ++i)
        frames.push_back(Tick());
    EXPECT_EQ(frames, (std::vector<UINT>{276, 276, 277, 278, 279, 276, 277, 278, 279, 276}));
}

TEST_F(MaskTest, PaintsADarkVeilWithTheSpinnerAndTheNotice)
{
    Show();
    RedrawWindow(mask.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    RECT client = mask.GetClientRect();
    std::vector<COLORREF> all = CapturePixels(mask.m_hWnd, client);
    auto at = [&](int x, int y) { return all[static_cast<size_t>(y) * client.right + x]; };

    // Black at alpha 230 over white.
    for (POINT p : {POINT{2, 2}, POINT{client.right - 3, client.bottom - 3}, POINT{client.right / 4, 20}}) {
        COLORREF c = at(p.x, p.y);
        EXPECT_NEAR(Red(c), 25, 2);
        EXPECT_NEAR(Green(c), 25, 2);
        EXPECT_NEAR(Blue(c), 25, 2);
    }
    auto brightIn = [&](RECT r) {
        int count = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                count += Red(at(x, y)) > 140;
        return count;
    };
    int spinnerX = (client.right - 23) / 2, spinnerY = (client.bottom - 23) / 2 - 40;
    EXPECT_GT(brightIn(RECT{spinnerX, spinnerY, spinnerX + 23, spinnerY + 23}), 10);
    int textX = (client.right - 200) / 2, textY = (client.bottom - 31) / 2;
    EXPECT_GT(brightIn(RECT{textX, textY, textX + 200, textY + 31}), 50);
}

}  // namespace
