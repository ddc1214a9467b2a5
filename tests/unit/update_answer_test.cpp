#include <gtest/gtest.h>

#include "update/Updater.h"

namespace {

TEST(IsDownloadAnswer, LongerThanFiveCharactersAndNotNegative)
{
    struct Case {
        std::wstring answer;
        bool download;
    } cases[] = {
        {L"", false},
        {L"0", false},
        {L"-1", false},
        {L"12345", false},
        {L"http:", false},           // five characters, whatever they say
        {L"123456", true},
        {L"-123456", false},
        {L"  -99999", false},         // blanks before the sign are skipped
        {L"- 123456", true},          // a sign without digits reads as 0
        {L"http://127.0.0.1/new.exe", true},
        {L"http://127.0.0.1/new.exe\r\n", true},
        {L"\r\n\r\n\r\n", true},
        {L"2147483648999", true},     // past the range: the largest long, still not negative
        {L"-2147483648999", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsDownloadAnswer(c.answer), c.download) << testing::PrintToString(c.answer);
}

}  // namespace
