#include <gtest/gtest.h>

#include "support/ZipBuilder.h"
#include "update/ArchiveEntry.h"

namespace {

TEST(CleanArchiveEntryName, KeepsEveryNameBelowTheBaseFolder)
{
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"systemset.ini", L"systemset.ini"},
        {L"dir/../x.txt", L"x.txt"},
        {L"c:\\a\\b.txt", L"a\\b.txt"},
        {L"/a/b.txt", L"a/b.txt"},
        {L"\\\\server\\share\\x", L"server\\share\\x"},
        {L"a\\b/..\\c", L"c"},
        {L"c:/d:/x", L"x"},
        // names that would still climb out after the usual rules lose the ".." parts
        {L"../x", L"x"},
        {L"..\\..\\x", L"x"},
        {L"a/../../x", L"x"},
        {L"..", L""},
        {L"a/..", L"a/"},
        {L"..a/b..", L"..a/b.."},  // dots inside names are names
    };
    for (const auto& [raw, clean] : cases)
        EXPECT_EQ(CleanArchiveEntryName(raw), clean) << testing::PrintToString(std::wstring(raw));
}

TEST(ArchiveEntryAttributes, DependOnTheHostSystem)
{
    struct Case {
        unsigned long versionMadeBy, external;
        DWORD attributes;
    } cases[] = {
        {0x0014, 0x20, FILE_ATTRIBUTE_ARCHIVE},
        {0x0014, 0x37, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                           FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_ARCHIVE},
        {0x0B14, 0x10, FILE_ATTRIBUTE_DIRECTORY},                       // NTFS
        {0x0E14, 0x01, FILE_ATTRIBUTE_READONLY},                        // VFAT
        {0x0314, 0x81A40000, FILE_ATTRIBUTE_ARCHIVE},                   // Unix -rw-r--r--
        {0x0314, 0x81240000, FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY},  // -r--r--r--
        {0x0314, 0x41ED0010, FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_DIRECTORY}, // drwxr-xr-x
        {0x0314, 0x00000027, FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY},  // DOS bits ignored
    };
    for (const Case& c : cases)
        EXPECT_EQ(ArchiveEntryAttributes(c.versionMadeBy, c.external), c.attributes)
            << std::hex << c.versionMadeBy << " " << c.external;
}

ULONGLONG Units(const FILETIME& time)
{
    return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

ULONGLONG UnitsOfUnixSeconds(long long seconds)
{
    return static_cast<ULONGLONG>(seconds + 11644473600LL) * 10000000ULL;
}

TEST(ApplyExtendedTimes, TakesTheFirstUtBlockAndOnlyWhatFits)
{
    const FILETIME dos = {1, 1};
    const ULONGLONG kept = Units(dos);
    const long m = 1385517126, a = 1385517127, c = -86400;  // c: a day before 1970
    struct Case {
        const char* what;
        std::string extra;
        ULONGLONG modification, access, creation;
    } cases[] = {
        {"modification only", ExtraBlock("UT", ExtendedTimeData(1, {m})), UnitsOfUnixSeconds(m), kept, kept},
        {"all three in order", ExtraBlock("UT", ExtendedTimeData(7, {m, a, c})), UnitsOfUnixSeconds(m),
         UnitsOfUnixSeconds(a), UnitsOfUnixSeconds(c)},
        {"access and creation", ExtraBlock("UT", ExtendedTimeData(6, {a, c})), kept, UnitsOfUnixSeconds(a),
         UnitsOfUnixSeconds(c)},
        {"flags without data", ExtraBlock("UT", ExtendedTimeData(7, {})), kept, kept, kept},
        {"cut inside the second time", ExtraBlock("UT", ExtendedTimeData(3, {m})) + "\x01\x02", UnitsOfUnixSeconds(m),
         kept, kept},
        {"behind a 300-byte block", ExtraBlock("XY", std::string(300, 'z')) + ExtraBlock("UT", ExtendedTimeData(1, {m})),
         UnitsOfUnixSeconds(m), kept, kept},
        {"only the first UT block", ExtraBlock("UT", ExtendedTimeData(1, {m})) + ExtraBlock("UT", ExtendedTimeData(1, {a})),
         UnitsOfUnixSeconds(m), kept, kept},
        {"no UT block", ExtraBlock("XY", "abcd"), kept, kept, kept},
        {"block longer than the field", std::string("XY\xFF\x00ab", 6), kept, kept, kept},
        {"empty", "", kept, kept, kept},
    };
    for (const Case& c : cases) {
        ArchiveEntry entry;
        entry.modificationTime = entry.accessTime = entry.creationTime = dos;
        ApplyExtendedTimes(std::vector<unsigned char>(c.extra.begin(), c.extra.end()), entry);
        EXPECT_EQ(Units(entry.modificationTime), c.modification) << c.what;
        EXPECT_EQ(Units(entry.accessTime), c.access) << c.what;
        EXPECT_EQ(Units(entry.creationTime), c.creation) << c.what;
    }
}

TEST(DosDateTimeToFileTime, ReadsTheStampAsLocalTime)
{
    // 2013-11-27 09:52:06 local
    const unsigned long stamp = ((2013 - 1980) << 25) | (11 << 21) | (27 << 16) | (9 << 11) | (52 << 5) | 3;
    SYSTEMTIME local = {2013, 11, 0, 27, 9, 52, 6, 0};
    FILETIME localFile, expected;
    SystemTimeToFileTime(&local, &localFile);
    LocalFileTimeToFileTime(&localFile, &expected);
    EXPECT_EQ(Units(DosDateTimeToFileTime(stamp)), Units(expected));
}

}  // namespace
