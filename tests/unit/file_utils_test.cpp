#include <gtest/gtest.h>

#include <windows.h>

#include "app/FileUtils.h"
#include "support/Scratch.h"

namespace {

TEST(GetFileVersionString, ReadsEveryTranslationOrAFixedText)
{
    ScratchFolder folder(L"versions");
    WriteFileBytes(folder / L"plain.txt", "not an executable");
    struct Case {
        std::wstring path;
        std::wstring version;
    } cases[] = {
        {BinaryFolder() + L"\\launcher.exe", L"1.0.0.5"},
        {BinaryFolder() + L"\\fixture_two_versions.exe", L"2.0.0.13.1"},  // both texts, no separator
        {BinaryFolder() + L"\\fixture_no_version.exe", L"None VerSion Supprot"},
        {folder / L"plain.txt", L"None VerSion Supprot"},
        {folder / L"missing.exe", L""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetFileVersionString(c.path), c.version) << testing::PrintToString(c.path);
}

TEST(GetFileMd5, AppendsTheDigestOrNothing)
{
    ScratchFolder folder(L"md5");
    WriteFileBytes(folder / L"empty", "");
    WriteFileBytes(folder / L"fox", "The quick brown fox jumps over the lazy dog");

    std::wstring digest = L"kept:";
    GetFileMd5(folder / L"empty", digest);
    EXPECT_EQ(digest, L"kept:d41d8cd98f00b204e9800998ecf8427e");

    digest.clear();
    GetFileMd5(folder / L"fox", digest);
    EXPECT_EQ(digest, L"9e107d9d372bb6826bd81d3542a419d6");

    digest = L"kept";
    GetFileMd5(folder / L"missing", digest);
    EXPECT_EQ(digest, L"kept");
}

TEST(GetFileMd5, ReadsAFileOthersHoldOpenForReading)
{
    ScratchFolder folder(L"md5-shared");
    WriteFileBytes(folder / L"held", "");
    HANDLE held = CreateFileW((folder / L"held").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    std::wstring digest;
    GetFileMd5(folder / L"held", digest);
    CloseHandle(held);
    EXPECT_EQ(digest, L"d41d8cd98f00b204e9800998ecf8427e");
}

TEST(IsFolderEmpty, CountsEverythingButTheDotEntries)
{
    ScratchFolder folder(L"empty-check");
    CreateDirectoryW((folder / L"empty").c_str(), nullptr);
    CreateDirectoryW((folder / L"hidden").c_str(), nullptr);
    WriteFileBytes(folder / L"hidden\\h.txt", "x");
    SetFileAttributesW((folder / L"hidden\\h.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
    CreateDirectoryW((folder / L"nested").c_str(), nullptr);
    CreateDirectoryW((folder / L"nested\\inner").c_str(), nullptr);

    EXPECT_TRUE(IsFolderEmpty(folder / L"empty"));
    EXPECT_TRUE(IsFolderEmpty(folder / L"missing"));
    EXPECT_FALSE(IsFolderEmpty(folder / L"hidden"));
    EXPECT_FALSE(IsFolderEmpty(folder / L"nested"));
}

}  // namespace
