#include "app/ProcessStart.h"

#include <windows.h>

#include <vector>

bool StartLauncherCopy(const std::wstring& exePath, const wchar_t* commandLine)
{
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    SECURITY_ATTRIBUTES processSecurity = {sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    SECURITY_ATTRIBUTES threadSecurity = {sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    PROCESS_INFORMATION process = {};

    // CreateProcessW may write into the command line, so it gets a copy of its own.
    std::vector<wchar_t> text;
    if (commandLine)
        text.assign(commandLine, commandLine + wcslen(commandLine) + 1);

    BOOL started = CreateProcessW(exePath.c_str(), commandLine ? text.data() : nullptr, &processSecurity,
                                  &threadSecurity, FALSE, CREATE_DEFAULT_ERROR_MODE, nullptr, nullptr, &startup,
                                  &process);
    if (!started)
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}
