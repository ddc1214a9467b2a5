// Loading texts from the module's string table.
#pragma once
#include <windows.h>
#include <string>

// The entry's text, or an empty text when the table has no such entry.
std::wstring LoadResString(UINT id, HINSTANCE module = nullptr);
