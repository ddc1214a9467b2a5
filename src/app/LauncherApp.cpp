#include "app/LauncherApp.h"

#include <commctrl.h>
#include <gdiplus.h>

#include <cstdio>
#include <cstdlib>

#include "app/CommandLine.h"
#include "app/FileUtils.h"
#include "app/Paths.h"
#include "app/ProcessStart.h"
#include "framework/Exception.h"
#include "update/Uninstaller.h"
#include "update/UpdateLog.h"

BOOL CZeruri_JNApp::InitInstance()
{
    PreparePlatform();

    StartChoice choice = ChooseStartRun(GetCommandLineW());
    switch (choice.run) {
    case StartRun::UpdateReceive:
        RunUpdateReceive(choice.argument);
        RunNormal();
        break;
    case StartRun::UninstallConfirm:
        // Ends without showing the main window.
        break;
    case StartRun::Removal:
        RemoveInstallation(choice.argument);
        break;
    case StartRun::Normal:
        RunNormal();
        break;
    }
    return FALSE;
}

int CZeruri_JNApp::ExitInstance()
{
    Gdiplus::GdiplusShutdown(m_gdiplusToken);
    return CWinApp::ExitInstance();
}

void CZeruri_JNApp::PreparePlatform()
{
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    CWinApp::InitInstance();
    AfxEnableControlContainer();
    SetRegistryKey(L"应用程序向导生成的本地应用程序");
    Gdiplus::GdiplusStartupInput gdiplusInput;
    Gdiplus::GdiplusStartup(&m_gdiplusToken, &gdiplusInput, nullptr);
}

void CZeruri_JNApp::RunUpdateReceive(const std::wstring& installedExe)
{
    try {
        if (CopyFileW(RunningExePath().c_str(), installedExe.c_str(), FALSE)) {
            std::wstring digest;
            GetFileMd5(installedExe, digest);
            WriteUpdateLog(L"Finish download,current file md5=" + digest);
            WriteUpdateLog(L"Update success.Current Version:" + GetFileVersionString(installedExe));
            WriteUpdateLog(kUpdateLogSeparator);
            StartLauncherCopy(installedExe, nullptr);
            exit(0);
        }
        wchar_t failure[64];
        swprintf(failure, 64, L"Update failure.Error Code:%ld", static_cast<long>(GetLastError()));
        WriteUpdateLog(failure);
        WriteUpdateLog(kUpdateLogSeparator);
    } catch (const CException& error) {
        wchar_t message[255];
        error.GetErrorMessage(message, 255);
        WriteUpdateLog(L"Try Commond -d Exception");
        WriteUpdateLog(message);
    }
}

void CZeruri_JNApp::RunNormal()
{
    // The main window joins here once it exists; until then the normal run ends at once.
}
