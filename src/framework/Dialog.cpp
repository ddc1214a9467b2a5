#include "framework/Dialog.h"

CDialog::CDialog(UINT templateId, CWnd* parent) : m_templateId(templateId), m_parent(parent) {}

CDialog::~CDialog()
{
    if (m_hWnd && IsWindow(m_hWnd)) {
        HWND window = m_hWnd;
        UnsubclassWindow();
        ::DestroyWindow(window);
    }
}

HWND CDialog::CreateFromTemplate(HWND owner)
{
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(m_templateId), MAKEINTRESOURCEW(5) /* RT_DIALOG */);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    auto* dialogTemplate = loaded ? static_cast<const DLGTEMPLATE*>(LockResource(loaded)) : nullptr;
    if (!dialogTemplate)
        return nullptr;
    return CreateDialogIndirectParamW(module, dialogTemplate, owner, &CDialog::DialogProc,
                                      reinterpret_cast<LPARAM>(this));
}

INT_PTR CDialog::DoModal()
{
    if (m_hWnd)
        return -1;
    HWND owner = m_parent ? m_parent->m_hWnd : nullptr;
    bool reenableOwner = owner && IsWindowEnabled(owner);
    if (reenableOwner)
        EnableWindow(owner, FALSE);

    m_modal = true;
    m_endRequested = false;
    m_result = -1;
    HWND window = CreateFromTemplate(owner);
    if (window && !m_endRequested)
        ShowWindow(window, SW_SHOW);

    while (window && !m_endRequested) {
        MSG message;
        BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0)
                PostQuitMessage(static_cast<int>(message.wParam));  // the outer loop ends too
            m_result = -1;
            break;
        }
        if (!WalkPreTranslateTree(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }

    if (reenableOwner)
        EnableWindow(owner, TRUE);
    if (window && IsWindow(window)) {
        SetWindowPos(window, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        ::DestroyWindow(window);
    }
    m_modal = false;
    return m_result;
}

BOOL CDialog::Create(UINT templateId, CWnd* parent)
{
    if (m_hWnd)
        return FALSE;
    m_templateId = templateId;
    m_parent = parent;
    m_modal = false;
    return CreateFromTemplate(parent ? parent->m_hWnd : nullptr) != nullptr;
}

void CDialog::EndDialog(INT_PTR result)
{
    m_result = result;
    m_endRequested = true;
    if (m_modal) {
        if (m_hWnd)
            PostMessageW(m_hWnd, WM_NULL, 0, 0);  // wakes the modal loop
    } else if (m_hWnd) {
        ::EndDialog(m_hWnd, result);
    }
}

void CDialog::DDX_Control(int id, CWnd& control)
{
    if (!control.m_hWnd)
        control.SubclassDlgItem(static_cast<UINT>(id), this);
}

BOOL CDialog::OnInitDialog()
{
    DoDataExchange();
    return TRUE;
}

BOOL CDialog::PreTranslateMessage(MSG* message)
{
    if (message->message >= WM_KEYFIRST && message->message <= WM_KEYLAST)
        return IsDialogMessageW(m_hWnd, message);
    return FALSE;
}

void CDialog::CenterOverOwner()
{
    RECT own = GetWindowRect();
    HWND owner = GetWindow(m_hWnd, GW_OWNER);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(owner ? owner : m_hWnd, MONITOR_DEFAULTTONEAREST), &monitor);
    RECT area = monitor.rcWork;
    RECT centre = area;
    if (owner && IsWindowVisible(owner) && !IsIconic(owner))
        ::GetWindowRect(owner, &centre);
    int width = own.right - own.left, height = own.bottom - own.top;
    int x = (centre.left + centre.right - width) / 2;
    int y = (centre.top + centre.bottom - height) / 2;
    if (x + width > area.right)
        x = area.right - width;
    if (y + height > area.bottom)
        y = area.bottom - height;
    if (x < area.left)
        x = area.left;
    if (y < area.top)
        y = area.top;
    SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return FALSE;  // everything else reaches WindowProc through the subclass
    auto* dialog = reinterpret_cast<CDialog*>(lParam);
    dialog->Attach(window);
    dialog->HookWindowProc();
    RECT before = dialog->GetWindowRect();
    BOOL focusDefault = dialog->OnInitDialog();
    RECT after = dialog->GetWindowRect();
    bool child = (GetWindowLongW(window, GWL_STYLE) & WS_CHILD) != 0;
    if (!child && !dialog->m_endRequested && before.left == after.left && before.top == after.top)
        dialog->CenterOverOwner();
    return focusDefault;
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        if (lParam == 0 || HIWORD(wParam) == BN_CLICKED) {
            if (LOWORD(wParam) == IDOK) {
                OnOK();
                return 0;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                OnCancel();
                return 0;
            }
        }
        break;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: {
        // The control may choose its own brush; without one the dialog's colours stay.
        LRESULT brush = 0;
        if (ReflectToChild(reinterpret_cast<HWND>(lParam), message, wParam, lParam, &brush) && brush)
            return brush;
        break;
    }
    case WM_DRAWITEM: {
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        LRESULT ignored = 0;
        if (item && item->CtlType != ODT_MENU &&
            ReflectToChild(item->hwndItem, message, wParam, lParam, &ignored))
            return TRUE;
        break;
    }
    }
    return CWnd::WindowProc(message, wParam, lParam);
}
