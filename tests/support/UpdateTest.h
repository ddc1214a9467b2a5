// Base of the update tests: each starts with the res folder of the data folder present (so the
// update log can be written) and without cache folder or log, and leaves neither behind.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

class UpdateTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The update log's messages, without time stamps.
    static std::vector<std::wstring> LogMessages();
};

// An ASCII text as wide text.
std::wstring Widen(const std::string& ascii);
