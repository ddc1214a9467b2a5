#include "app/LauncherApp.h"

#include <commctrl.h>
#include <gdiplus.h>

#include <shlwapi.h>

#include <cstdio>
#include <cstdlib>

#include "app/CommandLine.h"
#include "app/FileUtils.h"
#include "app/Paths.h"
#include "app/ProcessStart.h"
#include "framework/Exception.h"
#include "framework/ResString.h"
#include "res/resource.h"
#include "skin/CustomMessageBox.h"
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
        RunUninstallConfirm();
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

void CZeruri_JNApp::RunUninstallConfirm()
{
    wchar_t question[MAX_PATH];
    swprintf(question, MAX_PATH, L"您是否确认卸载《%ls》？", LoadResString(IDS_GAME_NAME).c_str());
    CCustomMessageBox box;
    box.SetTexts(L"卸载", question);
    // Only a clear yes removes anything: a box that could not be shown is no answer.
    if (box.DoModal() != IDOK)
        return;

    std::wstring running = RunningExePath();
    std::wstring cache = CacheFolder();
    std::wstring copy = UninstallCopyPath();
    if (running.empty() || copy.empty())
        return;
    if (!PathFileExistsW(cache.c_str()))
        CreateDirectoryW(cache.c_str(), nullptr);
    // Whatever else lies at the copy's path is not started in its place.
    if (!CopyFileW(running.c_str(), copy.c_str(), FALSE))
        return;
    std::wstring commandLine = L"-u " + running;
    StartLauncherCopy(copy, commandLine.c_str());
}

void CZeruri_JNApp::RunNormal()
{
    // The main window joins here once it exists; until then the normal run ends at once.
}
