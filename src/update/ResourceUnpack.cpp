#include "update/ResourceUnpack.h"

#include <windows.h>
#include <shlwapi.h>

#include "app/Settings.h"
#include "res/resource.h"
#include "update/ArchiveReader.h"

namespace {

// The settings file is the player's once it exists: it is never replaced.
const wchar_t kSettingsEntry[] = L"systemset.ini";

void ExtractArchive(const std::wstring& resourcesFolder, const void* archive, size_t size)
{
    ArchiveReader reader;
    if (!archive || reader.OpenFromMemory(archive, size) != kArchiveOk)
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
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(IDR_SETTINGS_ARCHIVE), L"ZIP");
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    UnpackResourcesFrom(folder, loaded ? LockResource(loaded) : nullptr, found ? SizeofResource(module, found) : 0);
}

void UnpackResourcesFrom(const std::wstring& folder, const void* archive, size_t size)
{
    const std::wstring resourcesFolder = folder + L"\\res";
    if (IsResourcesUnpackedMarker(ReadSetting(L"Setting", L"start", L"-1")))
        return;
    if (!PathFileExistsW(resourcesFolder.c_str()))
        CreateDirectoryW(resourcesFolder.c_str(), nullptr);

    ExtractArchive(resourcesFolder, archive, size);

    const std::wstring leftover = resourcesFolder + L"\\data.zip";
    if (PathFileExistsW(leftover.c_str()))
        DeleteFileW(leftover.c_str());
    WriteSetting(L"Setting", L"start", std::to_wstring(kResourcesUnpackedMarker));
}
