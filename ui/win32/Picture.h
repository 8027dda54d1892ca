// A JPEG stored as a resource of the executable, decoded by the system's OLE
// picture service into a bitmap.
#pragma once

#include <windows.h>

#include <string_view>

namespace tallix {

// The picture of the named RCDATA resource, or null; the caller frees it
// with DeleteObject.
HBITMAP loadPictureResource(std::string_view name);

} // namespace tallix
