// PNG skin images stored in the program's resources under the custom type "PNG".
#pragma once
#include <windows.h>

#include "skin/Imaging.h"

// A newly allocated image (owned by the caller), or null when the resource is missing or empty.
// Bytes that are not an image still give an image object, of size 0, that draws nothing.
CSkinImage* LoadPngImage(UINT id);

// The bytes of the "PNG" resource with that id in the executable, or null with size 0.
const void* FindPngResource(UINT id, DWORD* size);
