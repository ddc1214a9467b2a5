// Dialogs from resource templates: modal (DoModal with its own message loop, so every window on
// the way gets PreTranslateMessage) and modeless (Create).
#pragma once
#include "framework/Wnd.h"

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    // Runs the dialog until EndDialog; the end code, or -1 when the template cannot be created.
    virtual INT_PTR DoModal();
    // Creates the dialog without waiting for it; visible only when its template says so.
    BOOL Create(UINT templateId, CWnd* parent = nullptr);
    void EndDialog(INT_PTR result);

    BOOL PreTranslateMessage(MSG* message) override;

protected:
    // Binds the dialog's controls to their objects (DDX_Control); called by OnInitDialog.
    virtual void DoDataExchange() {}
    void DDX_Control(int id, CWnd& control);
    // TRUE lets the system give the focus to the first control.
    virtual BOOL OnInitDialog();
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND CreateFromTemplate(HWND owner);
    void CenterOverOwner();

    UINT m_templateId;
    CWnd* m_parent;
    bool m_modal = false;
    bool m_endRequested = false;
    INT_PTR m_result = -1;
};
