// The self-painted label: a plain child window that fills itself with its
// background colour and draws its text in one line, vertically centred.
#pragma once

#include <windows.h>

namespace tavmoor::toolkit::win32 {

// Window extra bytes: the label's layout, then its font.
constexpr int kLabelExtraBytes = 2 * sizeof(LONG_PTR);

// Create the label with its ControlLayout as the creation parameter.
LRESULT CALLBACK labelProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace tavmoor::toolkit::win32
