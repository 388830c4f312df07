#include "toolkit/win32/group_box.h"

namespace tavmoor::toolkit::win32 {
namespace {

constexpr wchar_t kPreviousProcedure[] = L"TavmoorGroupBoxProcedure";

bool isChildNotification(UINT message) {
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
        return true;
    default:
        return false;
    }
}

LRESULT CALLBACK groupBoxProcedure(HWND group, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto previous = reinterpret_cast<WNDPROC>(GetPropW(group, kPreviousProcedure));
    if (isChildNotification(message)) {
        return SendMessageW(GetAncestor(group, GA_ROOT), message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        RemovePropW(group, kPreviousProcedure);
    }
    return previous ? CallWindowProcW(previous, group, message, wParam, lParam)
                    : DefWindowProcW(group, message, wParam, lParam);
}

} // namespace

void forwardChildNotifications(HWND groupBox) {
    if (GetPropW(groupBox, kPreviousProcedure) != nullptr) {
        return;
    }
    const LONG_PTR previous = GetWindowLongPtrW(groupBox, GWLP_WNDPROC);
    if (SetPropW(groupBox, kPreviousProcedure, reinterpret_cast<HANDLE>(previous))) {
        SetWindowLongPtrW(groupBox, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&groupBoxProcedure));
    }
}

} // namespace tavmoor::toolkit::win32
