// The archive reader on archives made by the test: hostile names, odd headers and damaged data.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>

#include "support/Scratch.h"
#include "support/ZipBuilder.h"
#include "update/ArchiveReader.h"

namespace {

// Every file below a folder, as paths relative to it.
void ListFiles(const std::wstring& folder, const std::wstring& prefix, std::vector<std::wstring>& files)
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        std::wstring name = found.cFileName;
        if (name == L"." || name == L"..")
            continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            ListFiles(folder + L"\\" + name, prefix + name + L"\\", files);
        else
            files.push_back(prefix + name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

class ArchiveReading : public testing::Test {
protected:
    // Opens the bytes and extracts every entry under its own name; returns each result code.
    std::vector<int> ExtractAll(const std::string& bytes)
    {
        CreateDirectoryW((scratch / L"outside").c_str(), nullptr);  // the base itself is made by the reader
        archive = bytes;
        std::vector<int> results;
        EXPECT_EQ(reader.OpenFromMemory(archive.data(), archive.size()), kArchiveOk);
        reader.SetBaseFolder(base);
        ArchiveEntry count;
        reader.GetEntry(-1, count);
        for (int index = 0; index < count.index; ++index) {
            ArchiveEntry entry;
            int result = reader.GetEntry(index, entry);
            results.push_back(result == kArchiveOk ? reader.ExtractEntry(index, entry.name) : result);
        }
        reader.CloseArchive();
        return results;
    }

    ScratchFolder scratch{L"archive"};
    std::wstring base = scratch / L"outside\\base";
    std::string archive;
    ArchiveReader reader;
};

TEST_F(ArchiveReading, NamesNeverLeadOutOfTheBaseFolder)
{
    std::vector<ZipEntrySpec> entries;
    for (const char* name : {"dir/../x.txt", "c:\\a\\b.txt", "/a/b2.txt", "../up1.txt", "..\\..\\up2.txt",
                             "a/../../up3.txt", "\xE5\x8D\xB8.txt"}) {
        ZipEntrySpec entry;
        entry.name = name;
        entry.data = name;
        entries.push_back(entry);
    }
    EXPECT_EQ(ExtractAll(BuildZip(entries).bytes), std::vector<int>(entries.size(), kArchiveOk));

    std::vector<std::wstring> files;
    ListFiles(scratch.Path(), L"", files);
    std::sort(files.begin(), files.end());
    std::vector<std::wstring> expected = {L"outside\\base\\a\\b.txt", L"outside\\base\\a\\b2.txt",
                                          L"outside\\base\\up1.txt",  L"outside\\base\\up2.txt",
                                          L"outside\\base\\up3.txt",  L"outside\\base\\x.txt",
                                          L"outside\\base\\卸.txt"};
    EXPECT_EQ(files, expected);
    EXPECT_EQ(ReadFileBytes(base + L"\\a\\b.txt"), "c:\\a\\b.txt");
}

TEST_F(ArchiveReading, AttributesAndTimesComeFromTheHeaders)
{
    const long utSeconds = 1385517126;  // 2013-11-27 01:52:06 UTC
    ZipEntrySpec dos, unixReadOnly, withTimes;
    dos.name = "dos.txt";
    dos.externalAttributes = 0x21;  // read-only, archive
    unixReadOnly.name = "unix.txt";
    unixReadOnly.versionMadeBy = 0x0314;
    unixReadOnly.externalAttributes = 0x81240000;  // -r--r--r--
    withTimes.name = "times.txt";
    withTimes.data = std::string(40000, 'q');  // more than one copy buffer
    withTimes.localExtra = ExtraBlock("XY", std::string(256, 'z')) + ExtraBlock("UT", ExtendedTimeData(1, {utSeconds}));
    EXPECT_EQ(ExtractAll(BuildZip({dos, unixReadOnly, withTimes}).bytes), std::vector<int>(3, kArchiveOk));

    const DWORD kept = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;
    EXPECT_EQ(GetFileAttributesW((base + L"\\dos.txt").c_str()) & kept, DWORD(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE));
    EXPECT_EQ(GetFileAttributesW((base + L"\\unix.txt").c_str()) & kept, DWORD(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE));
    EXPECT_TRUE(ReadFileBytes(base + L"\\times.txt") == withTimes.data);
    EXPECT_EQ(LastWriteTime(base + L"\\times.txt"), (utSeconds + 11644473600ULL) * 10000000ULL);
}

TEST_F(ArchiveReading, DamagedEntriesGiveTheirOwnResultCodes)
{
    ZipEntrySpec good, badHeader, garbled, truncated, encrypted;
    good.name = "good.txt";
    good.data = "fine";
    badHeader.name = "header.txt";
    garbled.name = "garbled.txt";
    garbled.data = std::string(5000, 'x') + std::string(5000, 'y');
    truncated.name = "truncated.txt";
    truncated.data = garbled.data;
    truncated.keepCompressedBytes = 10;  // the deflated stream stops early
    encrypted.name = "secret.txt";
    encrypted.flags = 1;
    ZipLayout layout = BuildZip({badHeader, garbled, truncated, encrypted, good});
    layout.bytes[layout.localHeaderOffsets[0]] = 'X';  // local header signature broken
    size_t garbledData = layout.dataOffsets[1];
    for (size_t i = garbledData + 4; i < layout.localHeaderOffsets[2]; ++i)
        layout.bytes[i] = '\xFF';  // the deflated stream ends in garbage

    std::vector<int> expected = {kArchiveCorruptHeader, kArchiveDecompressError, kArchiveDecompressError,
                                 kArchivePasswordRequired, kArchiveOk};
    EXPECT_EQ(ExtractAll(layout.bytes), expected);
    EXPECT_EQ(ReadFileBytes(base + L"\\good.txt"), "fine");
}

TEST_F(ArchiveReading, WhatIsNoArchiveIsRefused)
{
    ZipEntrySpec one;
    one.name = "one.txt";
    const std::string whole = BuildZip({one}).bytes;
    // An archive without entries is refused too: its directory end record has nothing before it.
    const std::string notArchives[] = {"", "just some text", whole.substr(0, whole.size() / 2), BuildZip({}).bytes};
    for (const std::string& bytes : notArchives)
        EXPECT_EQ(reader.OpenFromMemory(bytes.data(), bytes.size()), kArchiveNotOpenable) << bytes.size();
    ArchiveEntry entry;
    EXPECT_EQ(reader.GetEntry(-1, entry), kArchiveBadArgument);  // nothing is open
    EXPECT_EQ(reader.ExtractEntry(0, L"x"), kArchiveBadArgument);

    ASSERT_EQ(reader.OpenFromMemory(whole.data(), whole.size()), kArchiveOk);
    EXPECT_EQ(reader.GetEntry(-1, entry), kArchiveOk);
    EXPECT_EQ(entry.index, 1);
    EXPECT_EQ(reader.GetEntry(1, entry), kArchiveBadArgument);
    EXPECT_EQ(reader.GetEntry(-2, entry), kArchiveBadArgument);
    EXPECT_EQ(reader.ExtractEntry(1, L"x"), kArchiveBadArgument);
}

}  // namespace
