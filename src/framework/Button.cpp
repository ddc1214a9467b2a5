#include "framework/Button.h"

LRESULT CButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_REFLECT_BASE + WM_DRAWITEM:
        DrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}
