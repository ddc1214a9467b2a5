#include "SkinTestSupport.h"

#include <gtest/gtest.h>

#include "framework/Wnd.h"
#include "skin/Imaging.h"

namespace {

class GdiPlusEnvironment : public testing::Environment {
public:
    void SetUp() override { m_session = new CGdiPlusSession; }
    void TearDown() override { delete m_session; }

private:
    CGdiPlusSession* m_session = nullptr;
};

testing::Environment* const g_gdiplus = testing::AddGlobalTestEnvironment(new GdiPlusEnvironment);

struct Search {
    DWORD threadId;
    DWORD excludedProcess;
    int controlId;
    HWND found;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM context)
{
    auto* search = reinterpret_cast<Search*>(context);
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (wcscmp(className, L"#32770") != 0 || !IsWindowVisible(window) || !GetDlgItem(window, search->controlId))
        return TRUE;
    DWORD process = 0;
    DWORD thread = GetWindowThreadProcessId(window, &process);
    if (search->threadId && thread != search->threadId)
        return TRUE;
    if (search->excludedProcess && process == search->excludedProcess)
        return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace

std::vector<COLORREF> CapturePixels(HWND window, const RECT& rect)
{
    int width = rect.right - rect.left, height = rect.bottom - rect.top;
    std::vector<COLORREF> pixels(static_cast<size_t>(width) * height);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC windowDC = GetDC(window);
    HBITMAP section = CreateDIBSection(windowDC, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(windowDC);
    HGDIOBJ old = SelectObject(memory, section);
    BitBlt(memory, 0, 0, width, height, windowDC, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    const DWORD* source = static_cast<const DWORD*>(bits);
    for (size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = source[i] & 0xFFFFFF;
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(section);
    ReleaseDC(window, windowDC);
    return pixels;
}

void PumpMessages(DWORD ms)
{
    DWORD start = GetTickCount();
    do {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (!CWnd::WalkPreTranslateTree(GetAncestor(message.hwnd, GA_ROOT), &message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
        if (GetTickCount() - start < ms)
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    } while (GetTickCount() - start < ms);
}

HWND WaitForWindow(const std::function<HWND()>& found, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    for (;;) {
        if (HWND window = found())
            return window;
        if (GetTickCount() - start >= timeoutMs)
            return nullptr;
        Sleep(20);
    }
}

HWND FindDialogOfThread(DWORD threadId, int controlId)
{
    Search search = {threadId, 0, controlId, nullptr};
    EnumThreadWindows(threadId, MatchDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindDialogOfOtherProcess(int controlId)
{
    Search search = {0, GetCurrentProcessId(), controlId, nullptr};
    EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}
