// A push button attached to a dialog control; owner-drawn buttons draw themselves in DrawItem.
#pragma once
#include "framework/Wnd.h"

class CButton : public CWnd {
protected:
    // Called for the reflected WM_DRAWITEM of an owner-drawn button.
    virtual void DrawItem(DRAWITEMSTRUCT*) {}

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
