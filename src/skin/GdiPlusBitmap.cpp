#include "skin/GdiPlusBitmap.h"

#include <objidl.h>

#include <cstring>

#include "skin/PngResource.h"

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

CGdiPlusBitmap::~CGdiPlusBitmap()
{
    if (m_pBitmap)
        GdipDisposeImage(m_pBitmap);
    m_pBitmap = nullptr;
}

CGdiPlusBitmapResource::~CGdiPlusBitmapResource()
{
    ReleaseImage();
}

void CGdiPlusBitmapResource::ReleaseImage()
{
    if (m_pBitmap) {
        GdipDisposeImage(m_pBitmap);
        m_pBitmap = nullptr;
    }
    if (m_hBuffer) {
        GlobalUnlock(m_hBuffer);
        GlobalFree(m_hBuffer);
        m_hBuffer = nullptr;
    }
}

bool CGdiPlusBitmapResource::LoadFromResource(UINT id)
{
    ReleaseImage();
    DWORD size = 0;
    const void* bytes = FindPngResource(id, &size);
    if (!bytes)
        return false;
    m_hBuffer = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!m_hBuffer)
        return false;
    if (void* buffer = GlobalLock(m_hBuffer)) {
        std::memcpy(buffer, bytes, size);
        IStream* stream = nullptr;
        if (SUCCEEDED(CreateStreamOnHGlobal(m_hBuffer, FALSE, &stream)) && stream) {
            GpStatus status = GdipCreateBitmapFromStream(stream, &m_pBitmap);
            stream->Release();
            if (status == Ok && m_pBitmap)
                return true;
        }
        if (m_pBitmap)
            GdipDisposeImage(m_pBitmap);
        m_pBitmap = nullptr;
        GlobalUnlock(m_hBuffer);
    }
    GlobalFree(m_hBuffer);
    m_hBuffer = nullptr;
    return false;
}
