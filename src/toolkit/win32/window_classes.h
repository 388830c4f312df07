// The window classes the toolkit registers, and its window procedures.
#pragma once

#include <windows.h>

namespace tavmoor::toolkit::win32 {

class Window;

inline constexpr wchar_t kWindowClass[] = L"TavmoorWindow";
inline constexpr wchar_t kLabelClass[] = L"TavmoorLabel";
inline constexpr wchar_t kTimerClass[] = L"TavmoorTimer";
inline constexpr wchar_t kOwnerClass[] = L"TavmoorDialogOwner";

// Registers the classes once per process.
void registerWindowClasses(HINSTANCE instance);

// The toolkit window a top-level window handle belongs to, or null.
Window* windowFromHandle(HWND window);

// Installed in front of a window's own procedure by hookWindowProcedure.
LRESULT CALLBACK hookedWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace tavmoor::toolkit::win32
