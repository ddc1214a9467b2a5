#include "app/LauncherApp.h"

CZeruri_JNApp theApp;

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    return AfxWinMain(instance);
}
