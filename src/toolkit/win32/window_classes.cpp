#include "toolkit/win32/window_classes.h"

#include "toolkit/win32/label.h"
#include "toolkit/win32/window.h"

#include <memory>

namespace tavmoor::toolkit::win32 {
namespace {

// The window object travels in CREATESTRUCT::lpCreateParams and is kept in
// GWLP_USERDATA; every message is forwarded to it.
LRESULT CALLBACK windowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        if (auto* created = static_cast<Window*>(create->lpCreateParams)) {
            created->attach(hwnd);
        }
    }
    Window* window = windowFromHandle(hwnd);
    if (window == nullptr) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    // Keeps the window alive while one of its own handlers destroys it.
    const auto keepAlive = window->shared_from_this();
    return window->handleMessage(message, wParam, lParam);
}

// A timer is a hidden child window of its window; its ticks go to the window.
LRESULT CALLBACK timerProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER && wParam == kTimerId) {
        if (Window* window = windowFromHandle(GetParent(hwnd))) {
            const auto keepAlive = window->shared_from_this();
            window->handleTimer(hwnd);
        }
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void registerClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, int extraBytes) {
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof(cls);
    cls.lpfnWndProc = procedure;
    cls.hInstance = instance;
    cls.cbWndExtra = extraBytes;
    cls.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    cls.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    cls.lpszClassName = name;
    RegisterClassExW(&cls);
}

} // namespace

void registerWindowClasses(HINSTANCE instance) {
    static const bool registered = [instance] {
        registerClass(instance, kWindowClass, windowProcedure, 0);
        registerClass(instance, kLabelClass, labelProcedure, kLabelExtraBytes);
        registerClass(instance, kTimerClass, timerProcedure, 0);
        registerClass(instance, kOwnerClass, DefWindowProcW, 0);
        return true;
    }();
    (void)registered;
}

Window* windowFromHandle(HWND hwnd) {
    if (hwnd == nullptr) {
        return nullptr;
    }
    wchar_t name[64]{};
    if (GetClassNameW(hwnd, name, 64) == 0 || lstrcmpW(name, kWindowClass) != 0) {
        return nullptr;
    }
    return reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

LRESULT CALLBACK hookedWindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* window = windowFromHandle(hwnd);
    if (window == nullptr) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    const auto keepAlive = window->shared_from_this();
    return window->handleHookedMessage(message, wParam, lParam);
}

} // namespace tavmoor::toolkit::win32
