// The platform's tooltip control, owned by one window and holding tools over it.
#pragma once
#include <string>

#include "framework/Wnd.h"

class CToolTipCtrl : public CWnd {
public:
    BOOL Create(CWnd* owner, DWORD style = 0);
    void Activate(BOOL activate);
    BOOL AddTool(CWnd* window, const std::wstring& text, const RECT& rect, UINT_PTR toolId);
    void UpdateTipText(const std::wstring& text, CWnd* window, UINT_PTR toolId);
    int GetToolCount() const;
    void SetDelayTime(DWORD duration, int milliseconds);
    void RelayEvent(MSG* message);
    void Update();
};
