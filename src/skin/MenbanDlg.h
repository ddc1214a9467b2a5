// The overlay mask: a borderless, translucent window that darkens what lies below it and shows
// a spinner and a notice while a long operation runs.
#pragma once
#include <memory>

#include "framework/Dialog.h"
#include "skin/Imaging.h"

class CMenbanDlg : public CDialog {
public:
    static constexpr UINT_PTR kAnimationTimer = 5000;
    static constexpr int kFrameCount = 4;

    explicit CMenbanDlg(CWnd* parent = nullptr);
    ~CMenbanDlg() override;

    // The PNG id of the spinner frame shown now.
    UINT CurrentFrameId() const;

protected:
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint();
    void NextFrame();
    RECT FrameRect(const CSkinImage* frame) const;

    std::unique_ptr<CSkinImage> m_pImgBack;
    std::unique_ptr<CSkinImage> m_pImgFrame[kFrameCount];
    int m_curFrame = 0;  // index into m_pImgFrame of the frame shown now
    int m_nFrame = 1;
};
