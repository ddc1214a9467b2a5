#include <gtest/gtest.h>

#include "app/CommandLine.h"

namespace {

struct Case {
    const wchar_t* commandLine;
    StartRun run;
    const wchar_t* argument;
};

const Case kCases[] = {
    {L"-d", StartRun::Normal, L""},
    {L"-dx", StartRun::UpdateReceive, L""},
    {L"-d ", StartRun::UpdateReceive, L""},
    {L"-d C:\\a\\launcher.exe", StartRun::UpdateReceive, L"C:\\a\\launcher.exe"},
    {L"-d C:\\Program Files\\my game\\launcher.exe", StartRun::UpdateReceive, L"C:\\Program Files\\my game\\launcher.exe"},
    {L"-d C:\\x -u", StartRun::UpdateReceive, L"C:\\x -u"},            // the first switch wins
    {L"-dXC:\\x", StartRun::UpdateReceive, L"C:\\x"},                  // index 2 is skipped whatever it is
    {L"-u C:\\games\\launcher-u", StartRun::UninstallConfirm, L""},    // the last two characters win over the first
    {L"-u", StartRun::UninstallConfirm, L""},
    {L"\"C:\\games\\launcher.exe\" -u", StartRun::UninstallConfirm, L""},
    {L"-u C:\\Program Files\\my game\\launcher.exe", StartRun::Removal, L"C:\\Program Files\\my game\\launcher.exe"},
    {L"-u ", StartRun::Removal, L""},
    {L"-ux", StartRun::Removal, L""},
    {L"\"C:\\games\\launcher.exe\"", StartRun::Normal, L""},
    {L"\"C:\\games\\launcher.exe\" -d C:\\x", StartRun::Normal, L""},  // switches are not searched inside
    {L"-", StartRun::Normal, L""},
    {L"u", StartRun::Normal, L""},
    {L"", StartRun::Normal, L""},
    {L"-D C:\\x", StartRun::Normal, L""},                              // case matters
    {L"\"C:\\launcher.exe\" -U", StartRun::Normal, L""},
};

TEST(ChooseStartRun, FollowsTheGrammarInOrder)
{
    for (const Case& c : kCases) {
        StartChoice choice = ChooseStartRun(c.commandLine);
        EXPECT_EQ(static_cast<int>(choice.run), static_cast<int>(c.run)) << testing::PrintToString(std::wstring(c.commandLine));
        EXPECT_EQ(choice.argument, c.argument) << testing::PrintToString(std::wstring(c.commandLine));
    }
}

}  // namespace
