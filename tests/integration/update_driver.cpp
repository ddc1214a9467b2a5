// Stands in for the login step of an old launcher: runs one update check. A hand-over ends the
// process inside the check with exit code 0; exit code 3 says that the check returned.
#include "update/Updater.h"

int wmain()
{
    RunUpdateCheck();
    return 3;
}
