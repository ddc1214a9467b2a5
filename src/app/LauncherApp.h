// The launcher's application object: prepares the platform, then performs the one run its
// command line asks for.
#pragma once
#include <windows.h>
#include <string>

#include "framework/WinApp.h"

class CZeruri_JNApp : public CWinApp {
public:
    BOOL InitInstance() override;
    int ExitInstance() override;

private:
    void PreparePlatform();
    // Overwrites the installed executable with this copy and starts it; the process then ends.
    // Returns only when that failed, so the caller goes on with the normal run.
    void RunUpdateReceive(const std::wstring& installedExe);
    // Asks whether to remove the game; on OK hands the removal to a temporary copy of the program.
    void RunUninstallConfirm();
    void RunNormal();

    ULONG_PTR m_gdiplusToken = 0;
};
