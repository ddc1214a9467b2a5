#include "framework/Wnd.h"

namespace {
const wchar_t kObjectProperty[] = L"Launcher.CWnd";
}

CWnd::~CWnd()
{
    if (m_hWnd && IsWindow(m_hWnd)) {
        HWND window = m_hWnd;
        UnsubclassWindow();
        // A window owned by this object goes with it; controls of a dialog stay with the dialog.
        if (!(GetWindowLongW(window, GWL_STYLE) & WS_CHILD))
            ::DestroyWindow(window);
    }
}

CWnd* CWnd::FromHandlePermanent(HWND window)
{
    return window ? static_cast<CWnd*>(GetPropW(window, kObjectProperty)) : nullptr;
}

void CWnd::Attach(HWND window)
{
    m_hWnd = window;
    SetPropW(window, kObjectProperty, this);
}

void CWnd::Detach()
{
    if (m_hWnd)
        RemovePropW(m_hWnd, kObjectProperty);
    m_hWnd = nullptr;
}

void CWnd::HookWindowProc()
{
    m_oldProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::StaticWindowProc)));
}

BOOL CWnd::SubclassWindow(HWND window)
{
    if (!window || m_hWnd || FromHandlePermanent(window))
        return FALSE;
    Attach(window);
    PreSubclassWindow();
    HookWindowProc();
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent)
{
    return parent ? SubclassWindow(::GetDlgItem(parent->m_hWnd, static_cast<int>(id))) : FALSE;
}

HWND CWnd::UnsubclassWindow()
{
    HWND window = m_hWnd;
    if (!window)
        return nullptr;
    if (m_oldProc)
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_oldProc));
    m_oldProc = nullptr;
    Detach();
    return window;
}

BOOL CWnd::DestroyWindow()
{
    return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE;
}

LRESULT CALLBACK CWnd::StaticWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* object = FromHandlePermanent(window);
    if (!object)
        return DefWindowProcW(window, message, wParam, lParam);
    Current saved = object->m_current;
    object->m_current = {message, wParam, lParam};
    LRESULT result = object->WindowProc(message, wParam, lParam);
    object->m_current = saved;
    if (message == WM_NCDESTROY)
        object->UnsubclassWindow();
    return result;
}

LRESULT CWnd::WindowProc(UINT, WPARAM, LPARAM)
{
    return Default();
}

LRESULT CWnd::Default()
{
    if (m_current.message >= WM_REFLECT_BASE && m_current.message < WM_REFLECT_BASE + WM_USER) {
        m_reflectHandled = false;  // the control let a reflected notification pass
        return 0;
    }
    WNDPROC previous = m_oldProc;
    if (!previous)
        return DefWindowProcW(m_hWnd, m_current.message, m_current.wParam, m_current.lParam);
    return CallWindowProcW(previous, m_hWnd, m_current.message, m_current.wParam, m_current.lParam);
}

BOOL CWnd::ReflectToChild(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    CWnd* control = FromHandlePermanent(child);
    if (!control || !control->m_oldProc)
        return FALSE;
    Current saved = control->m_current;
    bool savedHandled = control->m_reflectHandled;
    control->m_current = {WM_REFLECT_BASE + message, wParam, lParam};
    control->m_reflectHandled = true;
    *result = control->WindowProc(WM_REFLECT_BASE + message, wParam, lParam);
    BOOL handled = control->m_reflectHandled;
    control->m_current = saved;
    control->m_reflectHandled = savedHandled;
    return handled;
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

BOOL CWnd::WalkPreTranslateTree(HWND stop, MSG* message)
{
    for (HWND window = message->hwnd; window; window = ::GetParent(window)) {
        if (CWnd* object = FromHandlePermanent(window)) {
            if (object->PreTranslateMessage(message))
                return TRUE;
        }
        if (window == stop)
            break;
    }
    return FALSE;
}

CWnd* CWnd::GetParent() const
{
    return FromHandlePermanent(::GetParent(m_hWnd));
}

RECT CWnd::GetClientRect() const
{
    RECT rect = {};
    ::GetClientRect(m_hWnd, &rect);
    return rect;
}

RECT CWnd::GetWindowRect() const
{
    RECT rect = {};
    ::GetWindowRect(m_hWnd, &rect);
    return rect;
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT swpFlags)
{
    return ModifyWindowLong(GWL_STYLE, remove, add, swpFlags);
}

BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT swpFlags)
{
    return ModifyWindowLong(GWL_EXSTYLE, remove, add, swpFlags);
}

BOOL CWnd::ModifyWindowLong(int index, DWORD remove, DWORD add, UINT swpFlags)
{
    DWORD style = GetWindowLongW(m_hWnd, index);
    DWORD changed = (style & ~remove) | add;
    if (changed == style)
        return FALSE;
    SetWindowLongW(m_hWnd, index, static_cast<LONG>(changed));
    if (swpFlags)
        SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | swpFlags);
    return TRUE;
}
