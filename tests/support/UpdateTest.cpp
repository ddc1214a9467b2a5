#include "support/UpdateTest.h"

#include <windows.h>
#include <shlobj.h>

#include "app/Paths.h"
#include "support/LauncherProcess.h"
#include "support/Scratch.h"

void UpdateTest::SetUp()
{
    RemoveTree(ResourcesFolder());
    RemoveTree(CacheFolder());
    SHCreateDirectoryExW(nullptr, ResourcesFolder().c_str(), nullptr);
}

void UpdateTest::TearDown()
{
    RemoveTree(ResourcesFolder());
    RemoveTree(CacheFolder());
}

std::vector<std::wstring> UpdateTest::LogMessages()
{
    return UpdateLogMessages(UpdateLogPath());
}

std::wstring Widen(const std::string& ascii)
{
    return std::wstring(ascii.begin(), ascii.end());
}
