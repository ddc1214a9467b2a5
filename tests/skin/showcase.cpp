// Shows the skin for a few seconds so it can be looked at and photographed under the test
// display: skin_showcase box | buttons | mask [seconds [picture.bmp]]. Not a test; it needs no
// input.
#include <windows.h>

#include <cwchar>
#include <memory>
#include <string>
#include <vector>

#include "fixtures/fixture_ids.h"
#include "framework/Dialog.h"
#include "framework/ResString.h"
#include "res/resource.h"
#include "skin/CustomMessageBox.h"
#include "skin/MenbanDlg.h"
#include "skin/PngResource.h"
#include "skin/TouchButton.h"

namespace {

CDialog* g_ending = nullptr;

void CALLBACK EndShowing(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_ending)
        g_ending->EndDialog(IDCANCEL);
    else
        PostQuitMessage(0);
}

// Title bars drawn from the skin's band images, one per row, with the title-bar buttons on them.
class Frame : public CDialog {
public:
    Frame(int width, int rows) : CDialog(IDD_TEST_BACKDROP), m_width(width), m_rows(rows) {}

    void AddTitleButtons()
    {
        struct Placement {
            int right;  // distance of the left edge from the right edge
            int w, h;
            UINT images[3];
            const wchar_t* tip;
        };
        const Placement placements[] = {
            {28, 28, 26, {207, 208, 227}, L""},
            {57, 28, 26, {220, 213, 228}, L""},
            {86, 28, 26, {209, 210, 230}, L""},
            {161, 59, 24, {224, 214, 234}, L"全屏/取消全屏（快捷键F11）"},
            {263, 97, 24, {223, 215, 233}, L"老板键（快捷键F10）"},
            {346, 78, 24, {252, 253, 261}, L"清除缓存"},
            {429, 78, 24, {226, 219, 236}, L"刷新"},
            {493, 59, 24, {211, 212, 231}, L"选择新的服务器"},
        };
        for (int row = 0; row < m_rows; ++row) {
            for (const Placement& place : placements) {
                HWND button = CreateWindowW(L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, m_width - place.right,
                                            row * kRowHeight + 3, place.w, place.h, m_hWnd, nullptr, nullptr, nullptr);
                m_buttons.push_back(std::make_unique<CTouchButton>());
                CTouchButton& skinned = *m_buttons.back();
                skinned.SubclassWindow(button);
                skinned.SetImages(place.images[0], place.images[1], place.images[2]);
                skinned.SetToolTipText(place.tip);
                if (row == 1)
                    PostMessageW(button, WM_MOUSEHOVER, 0, 0);
                if (row == 2)
                    PostMessageW(button, BM_SETSTATE, TRUE, 0);
            }
        }
    }

    static const int kRowHeight = 40;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        for (int id : {IDC_TEST_BUTTON_A, IDC_TEST_BUTTON_B, IDC_TEST_BUTTON_C})
            ShowWindow(GetDlgItem(id), SW_HIDE);
        m_left.reset(LoadPngImage(IDP_TITLE_LEFT));
        m_fill.reset(LoadPngImage(IDP_TITLE_FILL));
        m_right.reset(LoadPngImage(IDP_TITLE_RIGHT));
        return TRUE;
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_ERASEBKGND) {
            HDC dc = reinterpret_cast<HDC>(wParam);
            RECT client = GetClientRect();
            HBRUSH page = CreateSolidBrush(RGB(236, 226, 206));
            FillRect(dc, &client, page);
            DeleteObject(page);
            CGraphics graphics(dc);
            for (int row = 0; row < m_rows; ++row) {
                int y = row * kRowHeight;
                graphics.FillTiled(NativeImage(m_fill.get()), 0, y, client.right, 30);
                graphics.DrawImage(NativeImage(m_left.get()), 0, y);
                graphics.DrawImage(NativeImage(m_right.get()), client.right - 92, y);
            }
            return TRUE;
        }
        return CDialog::WindowProc(message, wParam, lParam);
    }

private:
    int m_width, m_rows;
    std::unique_ptr<CSkinImage> m_left, m_fill, m_right;
    std::vector<std::unique_ptr<CTouchButton>> m_buttons;
};

// The mask as a compositing desktop shows it: its pixels at 229 of 255 over the window below.
// The test display has no compositor, so a screenshot would show the mask opaque.
void SaveBlend(HWND below, HWND above, const wchar_t* path)
{
    RECT rect = {};
    GetClientRect(above, &rect);
    int width = rect.right, height = rect.bottom;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    auto grab = [&](HWND window, std::vector<BYTE>& bits) {
        bits.resize(static_cast<size_t>(width) * height * 4);
        HDC dc = GetDC(window);
        HDC memory = CreateCompatibleDC(dc);
        HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, dc, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        GetDIBits(memory, bitmap, 0, height, bits.data(), &info, DIB_RGB_COLORS);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(window, dc);
    };
    std::vector<BYTE> under, over;
    grab(below, under);
    grab(above, over);
    for (size_t i = 0; i < over.size(); ++i)
        over[i] = i % 4 == 3 ? 255 : static_cast<BYTE>((over[i] * 229 + under[i] * 26 + 127) / 255);
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info.bmiHeader);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(over.size());
    HANDLE out = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(out, &file, sizeof(file), &written, nullptr);
    WriteFile(out, &info.bmiHeader, sizeof(info.bmiHeader), &written, nullptr);
    WriteFile(out, over.data(), static_cast<DWORD>(over.size()), &written, nullptr);
    CloseHandle(out);
}

void PumpFor(DWORD ms)
{
    SetTimer(nullptr, 0, ms, EndShowing);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!CWnd::WalkPreTranslateTree(GetAncestor(message.hwnd, GA_ROOT), &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int)
{
    CGdiPlusSession gdiplus;
    std::wstring mode = commandLine;
    DWORD ms = 4000;
    std::wstring picture;  // mask only: where to save the blended picture
    size_t blank = mode.find(L' ');
    if (blank != std::wstring::npos) {
        std::wstring rest = mode.substr(blank + 1);
        mode.erase(blank);
        ms = static_cast<DWORD>(_wtoi(rest.c_str()) * 1000);
        size_t second = rest.find(L' ');
        if (second != std::wstring::npos)
            picture = rest.substr(second + 1);
    }

    if (mode == L"box") {
        wchar_t question[MAX_PATH];
        swprintf(question, MAX_PATH, L"您是否确认卸载《%ls》？", LoadResString(IDS_GAME_NAME).c_str());
        CCustomMessageBox box;
        box.SetTexts(L"卸载", question);
        g_ending = &box;
        SetTimer(nullptr, 0, ms, EndShowing);
        box.DoModal();
    } else if (mode == L"buttons") {
        Frame frame(760, 3);
        frame.Create(IDD_TEST_BACKDROP);
        SetWindowPos(frame.m_hWnd, nullptr, 100, 100, 760, 3 * Frame::kRowHeight, SWP_NOZORDER);
        frame.AddTitleButtons();
        ShowWindow(frame.m_hWnd, SW_SHOW);
        PumpFor(ms);
    } else if (mode == L"mask") {
        Frame frame(640, 1);
        frame.Create(IDD_TEST_BACKDROP);
        SetWindowPos(frame.m_hWnd, nullptr, 100, 100, 640, 400, SWP_NOZORDER);
        frame.AddTitleButtons();
        ShowWindow(frame.m_hWnd, SW_SHOW);
        UpdateWindow(frame.m_hWnd);
        CMenbanDlg mask(&frame);
        mask.Create(IDD_MASK, &frame);
        RECT over = frame.GetWindowRect();
        SetWindowPos(mask.m_hWnd, nullptr, over.left, over.top, over.right - over.left, over.bottom - over.top,
                     SWP_NOZORDER);
        SetTimer(mask.m_hWnd, CMenbanDlg::kAnimationTimer, 200, nullptr);
        ShowWindow(mask.m_hWnd, SW_SHOW);
        if (!picture.empty()) {
            PumpFor(ms / 2);
            SaveBlend(frame.m_hWnd, mask.m_hWnd, picture.c_str());
        }
        PumpFor(ms);
    }
    return 0;
}
