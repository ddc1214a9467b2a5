#include "app/CommandLine.h"

StartChoice ChooseStartRun(const std::wstring& commandLine)
{
    const std::wstring first = commandLine.substr(0, 2);
    const std::wstring last = commandLine.size() < 2 ? commandLine : commandLine.substr(commandLine.size() - 2);
    const std::wstring argument = commandLine.size() > 3 ? commandLine.substr(3) : std::wstring();

    // A copy started by another copy sees exactly the text it was given, so its switches come
    // first; the shortcuts append " -u" after the program's own path, so that one is tested last.
    if (first == L"-d")
        return commandLine == L"-d" ? StartChoice{StartRun::Normal, {}} : StartChoice{StartRun::UpdateReceive, argument};
    if (last == L"-u")
        return {StartRun::UninstallConfirm, {}};
    if (first == L"-u")
        return {StartRun::Removal, argument};
    return {StartRun::Normal, {}};
}
