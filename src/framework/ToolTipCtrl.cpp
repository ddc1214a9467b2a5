#include "framework/ToolTipCtrl.h"

#include <commctrl.h>

BOOL CToolTipCtrl::Create(CWnd* owner, DWORD style)
{
    HWND window = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | style, CW_USEDEFAULT, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, owner ? owner->m_hWnd : nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    if (!window)
        return FALSE;
    // Attached without a procedure of its own: the control keeps its behaviour.
    m_hWnd = window;
    return TRUE;
}

void CToolTipCtrl::Activate(BOOL activate)
{
    SendMessage(TTM_ACTIVATE, activate, 0);
}

BOOL CToolTipCtrl::AddTool(CWnd* window, const std::wstring& text, const RECT& rect, UINT_PTR toolId)
{
    TOOLINFOW tool = {};
    tool.cbSize = sizeof(tool);
    tool.hwnd = window->m_hWnd;
    tool.uId = toolId;
    tool.rect = rect;
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    return static_cast<BOOL>(SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)));
}

void CToolTipCtrl::UpdateTipText(const std::wstring& text, CWnd* window, UINT_PTR toolId)
{
    TOOLINFOW tool = {};
    tool.cbSize = sizeof(tool);
    tool.hwnd = window->m_hWnd;
    tool.uId = toolId;
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    SendMessage(TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

int CToolTipCtrl::GetToolCount() const
{
    return static_cast<int>(SendMessage(TTM_GETTOOLCOUNT));
}

void CToolTipCtrl::SetDelayTime(DWORD duration, int milliseconds)
{
    SendMessage(TTM_SETDELAYTIME, duration, MAKELPARAM(milliseconds, 0));
}

void CToolTipCtrl::RelayEvent(MSG* message)
{
    SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(message));
}

void CToolTipCtrl::Update()
{
    SendMessage(TTM_UPDATE);
}
