#include "skin/PngResource.h"

#include <objidl.h>

#include <cstring>

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

const void* FindPngResource(UINT id, DWORD* size)
{
    *size = 0;
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), L"PNG");
    if (!found)
        return nullptr;
    DWORD bytes = SizeofResource(module, found);
    HGLOBAL loaded = bytes ? LoadResource(module, found) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (data)
        *size = bytes;
    return data;
}

CSkinImage* LoadPngImage(UINT id)
{
    DWORD size = 0;
    const void* bytes = FindPngResource(id, &size);
    if (!bytes)
        return nullptr;
    HGLOBAL block = GlobalAlloc(GMEM_FIXED, size);
    if (!block)
        return nullptr;
    std::memcpy(reinterpret_cast<void*>(block), bytes, size);
    // The stream owns the block and the image holds the stream, so both live exactly as long as
    // the image needs them.
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(block, TRUE, &stream)) || !stream) {
        GlobalFree(block);
        return nullptr;
    }
    GpImage* native = nullptr;
    if (GdipLoadImageFromStream(stream, &native) != Ok)
        native = nullptr;
    stream->Release();
    return new CSkinImage(native);
}
