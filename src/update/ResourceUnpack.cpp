#include "update/ResourceUnpack.h"

#include <windows.h>
#include <shlwapi.h>

#include "app/Settings.h"
#include "res/resource.h"
#include "update/ArchiveReader.h"

namespace {

// The settings file is the player's once it exists: it is never replaced.
const wchar_t kSettingsEntry[] = L"systemset.ini";

void ExtractBuiltInArchive(const std::wstring& resourcesFolder)
{
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(IDR_SETTINGS_ARCHIVE), L"ZIP");
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    ArchiveReader reader;
    if (!bytes || reader.OpenFromMemory(bytes, SizeofResource(module, found)) != kArchiveOk)
        return;
    reader.SetBaseFolder(resourcesFolder);

    ArchiveEntry count;
    reader.GetEntry(-1, count);
    for (int index = 0; index < count.index; ++index) {
        ArchiveEntry entry;
        if (reader.GetEntry(index, entry) != kArchiveOk)
            continue;
        if (entry.name == kSettingsEntry && PathFileExistsW((resourcesFolder + L"\\" + entry.name).c_str()))
            continue;
        reader.ExtractEntry(index, entry.name);
    }
    reader.CloseArchive();
}

}  // namespace

void UnpackResources(const std::wstring& folder)
{
    const std::wstring resourcesFolder = folder + L"\\res";
    if (IsResourcesUnpackedMarker(ReadSetting(L"Setting", L"start", L"-1")))
        return;
    if (!PathFileExistsW(resourcesFolder.c_str()))
        CreateDirectoryW(resourcesFolder.c_str(), nullptr);

    ExtractBuiltInArchive(resourcesFolder);

    const std::wstring leftover = resourcesFolder + L"\\data.zip";
    if (PathFileExistsW(leftover.c_str()))
        DeleteFileW(leftover.c_str());
    WriteSetting(L"Setting", L"start", std::to_wstring(kResourcesUnpackedMarker));
}
