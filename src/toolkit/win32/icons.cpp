#include "toolkit/win32/icons.h"

#include "toolkit/ico.h"

namespace tavmoor::toolkit::win32 {

UniqueIcon iconFromIcoFile(Bytes file, int size) {
    const auto images = parseIco(file);
    const IcoImage* image = chooseWindowImage(images, size);
    if (image == nullptr) {
        return {};
    }
    // CreateIconFromResourceEx wants a non-const buffer although it only reads it.
    auto* data = const_cast<PBYTE>(image->data.data());
    return UniqueIcon(CreateIconFromResourceEx(data, static_cast<DWORD>(image->data.size()), TRUE,
                                               0x00030000, size, size, LR_DEFAULTCOLOR));
}

UniqueIcon defaultIcon(HINSTANCE instance, int size) {
    return UniqueIcon(static_cast<HICON>(LoadImageW(instance, L"DEFAULT_ICON", IMAGE_ICON, size, size, 0)));
}

} // namespace tavmoor::toolkit::win32
