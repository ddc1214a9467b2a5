// Entry point of every test executable (built with -municode, so wmain). The whole run works in
// per-user folders of its own, so the launcher's data folder is scratch too.
#include <gtest/gtest.h>

#include "support/Scratch.h"

namespace {
ScopedShellFolders* g_shellFolders = nullptr;
}

const ScopedShellFolders& TestShellFolders()
{
    return *g_shellFolders;
}

int wmain(int argc, wchar_t** argv)
{
    testing::InitGoogleTest(&argc, argv);
    int result = 1;
    {
        ScopedShellFolders folders(ScratchRoot() + L"\\user");
        g_shellFolders = &folders;
        result = RUN_ALL_TESTS();
        g_shellFolders = nullptr;
    }
    RemoveTree(ScratchRoot());
    return result;
}
