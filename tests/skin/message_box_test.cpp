// The skinned message box, run modally on the test thread and answered from a second thread
// the way a user would: button clicks and keys. Every wait is bounded and a box that does not
// end by the action is ended by the driver, so no run is left waiting.
#include <gtest/gtest.h>

#include <functional>
#include <thread>

#include "SkinTestSupport.h"
#include "res/resource.h"
#include "skin/CustomMessageBox.h"

namespace {

const INT_PTR kEndedByDriver = 99;

// Runs the box modally; once it is on screen, calls act(box window) on a second thread.
// closedByAction tells whether the box went away without the driver's help.
INT_PTR RunBox(CCustomMessageBox& box, const std::function<void(HWND)>& act, bool* closedByAction = nullptr)
{
    DWORD thread = GetCurrentThreadId();
    bool closed = false;
    std::thread driver([&] {
        HWND window = WaitForWindow([&] { return FindDialogOfThread(thread, IDC_MSGBOX_CLOSE); });
        if (!window)
            return;
        act(window);
        closed = WaitForWindow([&] { return IsWindow(window) && IsWindowVisible(window) ? nullptr : window; },
                               3000) != nullptr;
        if (!closed)
            box.EndDialog(kEndedByDriver);
    });
    INT_PTR result = box.DoModal();
    driver.join();
    if (closedByAction)
        *closedByAction = closed;
    return result;
}

void Click(HWND box, int id)
{
    SendMessageW(GetDlgItem(box, id), BM_CLICK, 0, 0);
}

// A key as the keyboard delivers it: to the control that has the focus.
void Key(HWND box, WPARAM key)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(GetWindowThreadProcessId(box, nullptr), &info);
    HWND target = info.hwndFocus ? info.hwndFocus : box;
    PostMessageW(target, WM_KEYDOWN, key, 1);
    PostMessageW(target, WM_KEYUP, key, 0xC0000001);
}

TEST(CustomMessageBox, EachWayOfAnsweringGivesItsCode)
{
    struct Case {
        const char* way;
        std::function<void(HWND)> act;
        INT_PTR expected;
    };
    const Case cases[] = {
        {"OK button", [](HWND box) { Click(box, IDOK); }, IDOK},
        {"Cancel button", [](HWND box) { Click(box, IDCANCEL); }, IDCANCEL},
        {"close button", [](HWND box) { Click(box, IDC_MSGBOX_CLOSE); }, IDCANCEL},
        {"Escape", [](HWND box) { Key(box, VK_ESCAPE); }, IDCANCEL},
        {"Enter", [](HWND box) { Key(box, VK_RETURN); }, IDOK},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.way);
        CCustomMessageBox box;
        box.SetTexts(L"卸载", L"您是否确认卸载《Velmora》？");
        bool closed = false;
        EXPECT_EQ(RunBox(box, c.act, &closed), c.expected);
        EXPECT_TRUE(closed);
    }
}

TEST(CustomMessageBox, IsACaptionlessPanelDraggedByItsBackground)
{
    CCustomMessageBox box;
    RECT window = {}, client = {}, ok = {}, cancel = {}, close = {};
    LRESULT onBackground = 0;
    HWND underButtonPoint = nullptr, okButton = nullptr;
    RunBox(box, [&](HWND w) {
        GetWindowRect(w, &window);
        GetClientRect(w, &client);
        auto place = [&](int id, RECT& r) {
            GetWindowRect(GetDlgItem(w, id), &r);
            MapWindowPoints(nullptr, w, reinterpret_cast<POINT*>(&r), 2);
        };
        place(IDOK, ok);
        place(IDCANCEL, cancel);
        place(IDC_MSGBOX_CLOSE, close);
        onBackground = SendMessageW(w, WM_NCHITTEST, 0, MAKELPARAM(window.left + 10, window.top + 50));
        // A press on a button goes to the button, not to the dragging rule.
        okButton = GetDlgItem(w, IDOK);
        underButtonPoint = WindowFromPoint(POINT{window.left + ok.left + 5, window.top + ok.top + 5});
        Click(w, IDCANCEL);
    });
    EXPECT_EQ(window.right - window.left, 256);
    EXPECT_EQ(window.bottom - window.top, 110);
    EXPECT_EQ(client.right, 256);
    EXPECT_EQ(client.bottom, 110);
    EXPECT_EQ(ok.left, 36);
    EXPECT_EQ(ok.top, 66);
    EXPECT_EQ(ok.right - ok.left, 82);
    EXPECT_EQ(cancel.left, 138);
    EXPECT_EQ(close.left, 237);
    EXPECT_EQ(close.top, 10);
    EXPECT_EQ(close.right - close.left, 9);
    EXPECT_EQ(onBackground, HTCAPTION);
    EXPECT_EQ(underButtonPoint, okButton);
    // Centred on the screen, since it has no owner.
    int screenW = GetSystemMetrics(SM_CXSCREEN), screenH = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_NEAR(window.left, (screenW - 256) / 2, 1);
    EXPECT_NEAR(window.top, (screenH - 110) / 2, 1);
}

// The title strip and the message area as shown on screen.
struct Shown {
    std::vector<COLORREF> title, message;
};

Shown ShowAndCapture(CCustomMessageBox& box)
{
    Shown shown;
    RunBox(box, [&](HWND w) {
        RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Sleep(200);
        shown.title = CapturePixels(w, RECT{78, 8, 178, 33});
        shown.message = CapturePixels(w, RECT{28, 35, 228, 65});
        Click(w, IDCANCEL);
    });
    return shown;
}

TEST(CustomMessageBox, WithoutSetTextsShowsTheDefaultTitleAndNoMessage)
{
    CCustomMessageBox untouched;
    Shown byDefault = ShowAndCapture(untouched);

    CCustomMessageBox same;
    same.SetTexts(L"温馨提示", L"");
    Shown explicitDefault = ShowAndCapture(same);

    CCustomMessageBox other;
    other.SetTexts(L"卸载", L"您是否确认卸载《Velmora》？");
    Shown otherTexts = ShowAndCapture(other);

    ASSERT_FALSE(byDefault.title.empty());
    EXPECT_EQ(byDefault.title, explicitDefault.title);
    EXPECT_EQ(byDefault.message, explicitDefault.message);
    EXPECT_NE(byDefault.title, otherTexts.title);      // titles are really drawn
    EXPECT_NE(byDefault.message, otherTexts.message);  // and so are messages
}

}  // namespace
