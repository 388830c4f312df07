#include "toolkit/win32/text.h"

#include <climits>

namespace tavmoor::toolkit::win32 {

std::wstring toWide(std::string_view gbk) {
    if (gbk.empty() || gbk.size() > INT_MAX) {
        return {};
    }
    const int length = static_cast<int>(gbk.size());
    const int needed = MultiByteToWideChar(kGbk, 0, gbk.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(needed > 0 ? needed : 0), L'\0');
    if (needed > 0) {
        MultiByteToWideChar(kGbk, 0, gbk.data(), length, wide.data(), needed);
    }
    return wide;
}

std::string toGbk(std::wstring_view wide) {
    if (wide.empty() || wide.size() > INT_MAX) {
        return {};
    }
    const int length = static_cast<int>(wide.size());
    const int needed = WideCharToMultiByte(kGbk, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    std::string gbk(static_cast<std::size_t>(needed > 0 ? needed : 0), '\0');
    if (needed > 0) {
        WideCharToMultiByte(kGbk, 0, wide.data(), length, gbk.data(), needed, nullptr, nullptr);
    }
    return gbk;
}

std::wstring windowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

} // namespace tavmoor::toolkit::win32
