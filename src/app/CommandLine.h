// Which run a start of the launcher performs, chosen from its raw command line.
#pragma once
#include <string>

enum class StartRun {
    Normal,            // the main window
    UpdateReceive,     // "-d <installed exe>": a fresh download replaces the installed executable
    UninstallConfirm,  // "... -u": ask, then hand over to a temporary copy
    Removal,           // "-u <installed exe>": the temporary copy removes the installation
};

struct StartChoice {
    StartRun run;
    std::wstring argument;  // the installed executable's path for UpdateReceive and Removal
};

// The raw text is never split into arguments: switches are its first or last two characters
// and a switch's argument is everything from index 3 on, blanks included.
StartChoice ChooseStartRun(const std::wstring& commandLine);
