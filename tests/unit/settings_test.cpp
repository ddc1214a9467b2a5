#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include "app/Paths.h"
#include "app/Settings.h"
#include "support/Scratch.h"

namespace {

class SettingsFile : public testing::Test {
protected:
    void SetUp() override
    {
        SHCreateDirectoryExW(nullptr, ResourcesFolder().c_str(), nullptr);
        DeleteFileW(SettingsFilePath().c_str());
    }
    void TearDown() override { RemoveTree(ResourcesFolder()); }

    void WriteText(const std::string& text) { WriteFileBytes(ResourcesFolder() + L"\\systemset.ini", text); }
};

TEST_F(SettingsFile, MissingFileGivesTheDefaults)
{
    EXPECT_EQ(ReadSetting(L"Setting", L"start", L"-1"), L"-1");
    EXPECT_EQ(ReadSetting(L"Setting", L"screentoggle", L"0"), L"0");
}

TEST_F(SettingsFile, ReadsValuesWithIniRules)
{
    WriteText("[Setting]\r\nScreenToggle=\r\nFULLSCREEN=F11\r\nlong=" + std::string(300, 'v') + "\r\n");
    EXPECT_EQ(ReadSetting(L"Setting", L"screentoggle", L"0"), L"");       // present but empty
    EXPECT_EQ(ReadSetting(L"setting", L"fullscreen", L"0"), L"F11");      // case-insensitive
    EXPECT_EQ(ReadSetting(L"Setting", L"start", L"-1"), L"-1");           // absent key
    EXPECT_EQ(ReadSetting(L"Setting", L"long", L""), std::wstring(259, L'v'));
}

TEST_F(SettingsFile, WriteKeepsEveryOtherLine)
{
    const std::string before = "[Info]\r\ncode=\r\n[Setting]\r\nfullscreen=F11\r\nstart=7\r\n";
    WriteText(before);
    WriteSetting(L"Setting", L"start", L"1001");
    EXPECT_EQ(ReadSetting(L"Setting", L"start", L"-1"), L"1001");
    EXPECT_EQ(ReadSetting(L"Setting", L"fullscreen", L"0"), L"F11");
    EXPECT_EQ(ReadSetting(L"Info", L"code", L"x"), L"");
}

TEST(SettingNumber, ConvertsLikeWcstol)
{
    struct Case {
        const wchar_t* text;
        long number;
        bool unpacked;
    } cases[] = {
        {L"1001", 1001, true},  {L" 1001abc", 1001, true}, {L"01001", 1001, true}, {L"+1001", 1001, true},
        {L"abc", 0, false},     {L"", 0, false},           {L"-1", -1, false},     {L"1001.5", 1001, true},
        {L"10 01", 10, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SettingNumber(c.text), c.number) << testing::PrintToString(std::wstring(c.text));
        EXPECT_EQ(IsResourcesUnpackedMarker(c.text), c.unpacked) << testing::PrintToString(std::wstring(c.text));
    }
}

}  // namespace
