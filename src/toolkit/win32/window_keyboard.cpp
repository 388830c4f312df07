// The windows' keyboard settings: Esc closes, Tab and Shift+Tab move the
// focus in tab order, Enter moves it on when the window asks for that, and
// the focus comes back to the same control when the window is activated again.
#include "toolkit/geometry.h"
#include "toolkit/win32/window.h"

namespace tavmoor::toolkit::win32 {
namespace {

bool keyDown(int key) { return GetKeyState(key) < 0; }

} // namespace

bool Window::preTranslate(const MSG& message) {
    if (message.message != WM_KEYDOWN || !exists()) {
        return false;
    }
    switch (message.wParam) {
    case VK_ESCAPE:
        if (!layout_.escCloses) {
            return false;
        }
        SendMessageW(hwnd_, WM_CLOSE, 0, 0);
        return true;
    case VK_TAB:
        if (keyDown(VK_CONTROL) || keyDown(VK_MENU)) {
            return false;
        }
        moveFocus(keyDown(VK_SHIFT) ? -1 : 1);
        return true;
    case VK_RETURN:
        return onEnter(message);
    default:
        return false;
    }
}

// A control that takes Enter itself gets it; else a focused default push
// button is clicked; else, with Enter-moves-focus on, the focus moves on as
// for Tab. Enter goes no further in any case, so a one-line edit box does not beep.
bool Window::onEnter(const MSG& message) {
    if (HWND focus = GetFocus(); focus != nullptr && IsChild(hwnd_, focus)) {
        const auto code = SendMessageW(focus, WM_GETDLGCODE, VK_RETURN,
                                       reinterpret_cast<LPARAM>(&message));
        if ((code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) != 0) {
            return false;
        }
        if ((code & DLGC_DEFPUSHBUTTON) != 0) {
            SendMessageW(focus, BM_CLICK, 0, 0);
            return true;
        }
    }
    if (enterMovesFocus_) {
        moveFocus(1);
    }
    return true;
}

void Window::moveFocus(int step) {
    std::vector<std::size_t> order;
    for (const std::size_t index : tabOrder(layout_.controls)) {
        const HWND handle = controls_[index].handle;
        if (handle != nullptr && IsWindowVisible(handle) && IsWindowEnabled(handle)) {
            order.push_back(index);
        }
    }
    if (const auto next = nextInTabOrder(order, focusedControl(), step)) {
        focusControl(*next);
    }
}

std::optional<std::size_t> Window::focusedControl() const {
    for (HWND focus = GetFocus(); focus != nullptr && focus != hwnd_; focus = GetParent(focus)) {
        for (std::size_t i = 0; i < controls_.size(); ++i) {
            if (controls_[i].handle == focus) {
                return i;
            }
        }
    }
    return std::nullopt;
}

// As in a dialog, an edit box reached by the keyboard has its text selected.
void Window::focusControl(std::size_t index) {
    const Control& control = controls_[index];
    SetFocus(control.handle);
    if (control.layout->kind == ControlKind::editBox && GetFocus() == control.handle) {
        SendMessageW(control.handle, EM_SETSEL, 0, -1);
    }
}

void Window::onActivate(WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        if (HWND focus = GetFocus(); focus != nullptr && IsChild(hwnd_, focus)) {
            lastFocus_ = focus;
        }
    }
}

// The window itself got the focus (on activation): hand it to the control
// that had it last, or to the first control in tab order.
void Window::onSetFocus() {
    if (lastFocus_ != nullptr && IsWindow(lastFocus_) && IsChild(hwnd_, lastFocus_) &&
        IsWindowVisible(lastFocus_) && IsWindowEnabled(lastFocus_)) {
        SetFocus(lastFocus_);
        return;
    }
    moveFocus(1);
}

} // namespace tavmoor::toolkit::win32
