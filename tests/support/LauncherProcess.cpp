#include "support/LauncherProcess.h"

#include "support/Scratch.h"

namespace {

std::wstring ImagePath(DWORD processId)
{
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (!process)
        return std::wstring();
    wchar_t path[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    std::wstring result;
    if (QueryFullProcessImageNameW(process, 0, path, &size))
        result.assign(path, size);
    CloseHandle(process);
    return result;
}

}  // namespace

LauncherRun RunLauncher(const std::wstring& exePath, const std::wstring& commandLine, DWORD timeoutMs)
{
    LauncherRun run;
    HANDLE job = CreateJobObjectW(nullptr, nullptr);
    HANDLE port = CreateIoCompletionPort(INVALID_HANDLE_VALUE, nullptr, 0, 1);
    JOBOBJECT_ASSOCIATE_COMPLETION_PORT association = {job, port};
    SetInformationJobObject(job, JobObjectAssociateCompletionPortInformation, &association, sizeof(association));

    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    std::vector<wchar_t> text(commandLine.begin(), commandLine.end());
    text.push_back(L'\0');
    if (!CreateProcessW(exePath.c_str(), text.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, nullptr,
                        &startup, &process)) {
        CloseHandle(port);
        CloseHandle(job);
        return run;
    }
    AssignProcessToJobObject(job, process.hProcess);
    ResumeThread(process.hThread);

    DWORD deadline = GetTickCount() + timeoutMs;
    for (;;) {
        DWORD message = 0;
        ULONG_PTR key = 0;
        LPOVERLAPPED data = nullptr;
        DWORD now = GetTickCount();
        DWORD wait = now < deadline ? deadline - now : 0;
        if (!GetQueuedCompletionStatus(port, &message, &key, &data, wait))
            break;
        DWORD processId = static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(data));
        if (message == JOB_OBJECT_MSG_NEW_PROCESS && processId != process.dwProcessId)
            run.started.push_back(ImagePath(processId));
        if (message == JOB_OBJECT_MSG_ACTIVE_PROCESS_ZERO)
            break;
    }
    run.finished = WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0;
    GetExitCodeProcess(process.hProcess, &run.exitCode);
    TerminateJobObject(job, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    CloseHandle(port);
    CloseHandle(job);
    return run;
}

std::vector<std::wstring> UpdateLogMessages(const std::wstring& logPath)
{
    std::vector<std::wstring> messages;
    for (const std::wstring& line : SplitCrLf(Utf16Text(ReadFileBytes(logPath)))) {
        const std::wstring tag = L" : \tUpdateModule\t";
        size_t at = line.find(tag);
        messages.push_back(at == std::wstring::npos ? line : line.substr(at + tag.size()));
    }
    return messages;
}
