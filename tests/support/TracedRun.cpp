#include "support/TracedRun.h"

#include <windows.h>

#include <map>
#include <set>
#include <vector>

namespace {

std::wstring ImageOf(HANDLE process)
{
    wchar_t path[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    return QueryFullProcessImageNameW(process, 0, path, &size) ? std::wstring(path, size) : std::wstring();
}

// The command line from the process parameters the PEB points at; empty until they exist.
std::wstring CommandLineOf(HANDLE process)
{
    struct BasicInformation {
        LONG exitStatus;
        PVOID pebBaseAddress;
        ULONG_PTR affinityMask, basePriority, processId, parentProcessId;
    };
    struct Text {
        USHORT length, maximum;
        PWSTR buffer;
    };
    using QueryInformation = LONG(WINAPI*)(HANDLE, ULONG, PVOID, ULONG, PULONG);
    static const auto query = reinterpret_cast<QueryInformation>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
    const size_t parametersAt = sizeof(void*) == 8 ? 0x20 : 0x10;   // PEB.ProcessParameters
    const size_t commandLineAt = sizeof(void*) == 8 ? 0x70 : 0x40;  // RTL_USER_PROCESS_PARAMETERS.CommandLine
    BasicInformation basic = {};
    PVOID parameters = nullptr;
    Text text = {};
    if (!query || query(process, 0, &basic, sizeof(basic), nullptr) < 0 || !basic.pebBaseAddress ||
        !ReadProcessMemory(process, static_cast<BYTE*>(basic.pebBaseAddress) + parametersAt, &parameters,
                           sizeof(parameters), nullptr) ||
        !parameters ||
        !ReadProcessMemory(process, static_cast<BYTE*>(parameters) + commandLineAt, &text, sizeof(text), nullptr) ||
        !text.buffer || !text.length)
        return std::wstring();
    std::wstring result(text.length / sizeof(wchar_t), L'\0');
    return ReadProcessMemory(process, text.buffer, &result[0], text.length, nullptr) ? result : std::wstring();
}

}  // namespace

TracedRun RunLauncherTraced(const std::wstring& exePath, const std::wstring& commandLine, DWORD timeoutMs)
{
    TracedRun run;
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION launcher = {};
    std::vector<wchar_t> text(commandLine.begin(), commandLine.end());
    text.push_back(L'\0');
    if (!CreateProcessW(exePath.c_str(), text.data(), nullptr, nullptr, FALSE, DEBUG_PROCESS, nullptr, nullptr,
                        &startup, &launcher))
        return run;

    std::map<DWORD, HANDLE> live;       // process id -> its handle, owned by the debugging interface
    std::map<DWORD, size_t> startedAt;  // process id -> index in run.started
    std::set<DWORD> pastFirstBreak;
    DWORD deadline = GetTickCount() + timeoutMs;
    bool ending = false;
    for (;;) {
        DWORD now = GetTickCount();
        DEBUG_EVENT event = {};
        if (!WaitForDebugEvent(&event, ending ? 2000 : (now < deadline ? deadline - now : 0))) {
            if (ending)
                break;
            // Out of time: end everything and collect the exits.
            ending = true;
            for (auto& entry : live)
                TerminateProcess(entry.second, 1);
            continue;
        }
        DWORD id = event.dwProcessId;
        DWORD answer = DBG_CONTINUE;
        switch (event.dwDebugEventCode) {
        case CREATE_PROCESS_DEBUG_EVENT:
            if (event.u.CreateProcessInfo.hFile)
                CloseHandle(event.u.CreateProcessInfo.hFile);
            live[id] = event.u.CreateProcessInfo.hProcess;
            if (id != launcher.dwProcessId) {
                startedAt[id] = run.started.size();
                run.started.push_back(ImageOf(live[id]));
                run.commandLines.push_back(CommandLineOf(live[id]));
            }
            break;
        case LOAD_DLL_DEBUG_EVENT:
            if (event.u.LoadDll.hFile)
                CloseHandle(event.u.LoadDll.hFile);
            break;
        case EXCEPTION_DEBUG_EVENT:
            if (event.u.Exception.ExceptionRecord.ExceptionCode == EXCEPTION_BREAKPOINT && !pastFirstBreak.count(id)) {
                // The loader's break at start: the process is fully set up and still held.
                pastFirstBreak.insert(id);
                auto at = startedAt.find(id);
                if (at != startedAt.end() && run.commandLines[at->second].empty())
                    run.commandLines[at->second] = CommandLineOf(live[id]);
            } else {
                answer = DBG_EXCEPTION_NOT_HANDLED;
            }
            break;
        case EXIT_PROCESS_DEBUG_EVENT:
            if (id == launcher.dwProcessId) {
                run.exitCode = event.u.ExitProcess.dwExitCode;
                run.finished = !ending;
            }
            live.erase(id);
            break;
        default:
            break;
        }
        ContinueDebugEvent(id, event.dwThreadId, answer);
        if (live.empty() && !ending && event.dwDebugEventCode == EXIT_PROCESS_DEBUG_EVENT)
            break;
        if (live.empty() && ending)
            break;
    }
    CloseHandle(launcher.hThread);
    CloseHandle(launcher.hProcess);
    return run;
}
