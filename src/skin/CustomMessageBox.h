// The skinned yes/no box: a captionless dialog drawn from one background image, with its title
// and question written over it and three image buttons (OK, Cancel, close).
#pragma once
#include <memory>
#include <string>

#include "framework/Dialog.h"
#include "skin/Imaging.h"
#include "skin/TouchButton.h"

class CCustomMessageBox : public CDialog {
public:
    explicit CCustomMessageBox(CWnd* parent = nullptr);
    ~CCustomMessageBox() override;

    void SetTexts(const std::wstring& title, const std::wstring& message);
    const std::wstring& Title() const { return m_title; }

protected:
    void DoDataExchange() override;
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Draw(HDC dc);

    CTouchButton m_btnOK;
    CTouchButton m_btnCancel;
    CTouchButton m_btnClose;
    std::unique_ptr<CSkinImage> m_pImgBack;
    std::wstring m_title = L"温馨提示";
    std::wstring m_message;
};
