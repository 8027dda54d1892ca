#include "Picture.h"

#include "Convert.h"

#include <ole2.h>
#include <olectl.h>

#include <cstring>

namespace tallix {

HBITMAP loadPictureResource(std::string_view name)
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    HRSRC resource = FindResourceW(instance, wide(name).c_str(), MAKEINTRESOURCEW(10)); // RT_RCDATA
    if (!resource)
        return nullptr;
    const DWORD size = SizeofResource(instance, resource);
    const void* bytes = LockResource(LoadResource(instance, resource));
    if (!bytes)
        return nullptr;
    HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!copy)
        return nullptr;
    void* copyBytes = GlobalLock(copy);
    if (!copyBytes) {
        GlobalFree(copy);
        return nullptr;
    }
    std::memcpy(copyBytes, bytes, size);
    GlobalUnlock(copy);

    HBITMAP bitmap = nullptr;
    IStream* stream = nullptr;
    if (SUCCEEDED(CreateStreamOnHGlobal(copy, TRUE, &stream))) { // the stream frees the copy
        IPicture* picture = nullptr;
        if (SUCCEEDED(OleLoadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture,
                                     reinterpret_cast<void**>(&picture)))) {
            OLE_HANDLE handle = 0;
            if (SUCCEEDED(picture->get_Handle(&handle)))
                bitmap = static_cast<HBITMAP>(CopyImage(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle)),
                                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
            picture->Release();
        }
        stream->Release();
    } else {
        GlobalFree(copy);
    }
    return bitmap;
}

} // namespace tallix
