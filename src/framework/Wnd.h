// A window object bound to a window handle: subclassing, the window procedure as one virtual
// member, reflection of control notifications to the control, and the walk of message
// pre-translation from a window up to its top-level ancestor.
#pragma once
#include <windows.h>

// Notifications a parent hands back to the control they concern arrive at the control's
// WindowProc as WM_REFLECT_BASE + the original message.
constexpr UINT WM_REFLECT_BASE = 0xBC00;

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;

    // The object attached to a window by this framework, or null.
    static CWnd* FromHandlePermanent(HWND window);

    // Attaches the object to an existing window and routes its messages through WindowProc.
    BOOL SubclassWindow(HWND window);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    HWND UnsubclassWindow();
    BOOL DestroyWindow();

    // Called before messages bound for this window are dispatched; TRUE means it was handled.
    virtual BOOL PreTranslateMessage(MSG* message);
    // Offers the message to the windows from message->hwnd up to (and including) stop.
    static BOOL WalkPreTranslateTree(HWND stop, MSG* message);

    // Sends a notification back to the control it concerns. TRUE when the control handled it.
    static BOOL ReflectToChild(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    // Small conveniences over the platform calls the windows of the program use.
    CWnd* GetParent() const;
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    RECT GetClientRect() const;
    RECT GetWindowRect() const;
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT swpFlags = 0);
    BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT swpFlags = 0);
    void Invalidate(BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, erase); }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageW(m_hWnd, message, wParam, lParam);
    }

protected:
    // Every message of the window; the default hands it to the window's previous procedure.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Hands the message being handled to the previous procedure.
    LRESULT Default();
    // Called when the object is attached to a control (before its messages arrive here).
    virtual void PreSubclassWindow() {}

    void Attach(HWND window);
    void Detach();
    void HookWindowProc();

private:
    static LRESULT CALLBACK StaticWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    BOOL ModifyWindowLong(int index, DWORD remove, DWORD add, UINT swpFlags);

    WNDPROC m_oldProc = nullptr;
    struct Current {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    Current m_current = {};
    bool m_reflectHandled = false;
};
