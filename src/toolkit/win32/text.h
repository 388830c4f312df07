// GBK (code page 936) texts at the Windows boundary.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace tavmoor::toolkit::win32 {

constexpr UINT kGbk = 936;

std::wstring toWide(std::string_view gbk);
std::string toGbk(std::wstring_view wide);

// The window text of a window, wide.
std::wstring windowText(HWND window);

} // namespace tavmoor::toolkit::win32
