#include "framework/ResString.h"

std::wstring LoadResString(UINT id, HINSTANCE module)
{
    const wchar_t* text = nullptr;
    // A zero-length buffer asks for a read-only pointer into the resource, so no length limit applies.
    int length = LoadStringW(module ? module : GetModuleHandleW(nullptr), id, reinterpret_cast<wchar_t*>(&text), 0);
    return length > 0 && text ? std::wstring(text, length) : std::wstring();
}
