#include "toolkit/win32/window.h"

#include "toolkit/geometry.h"
#include "toolkit/win32/icons.h"
#include "toolkit/win32/menus.h"
#include "toolkit/win32/text.h"
#include "toolkit/win32/win32_toolkit.h"
#include "toolkit/win32/window_classes.h"

#include <algorithm>
#include <utility>

namespace tavmoor::toolkit::win32 {
namespace {

constexpr DWORD kWindowStyle = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

void raiseNamed(const std::map<std::string, Action, std::less<>>& handlers, std::string_view name,
                bool ending) {
    const auto found = handlers.find(name);
    if (found != handlers.end() && found->second && !ending) {
        const Action handler = found->second; // the map may change while it runs
        handler();
    }
}

} // namespace

Window::Window(Win32Toolkit& toolkit, const WindowLayout& layout)
    : toolkit_(toolkit), layout_(layout), enterMovesFocus_(layout.enterMovesFocus) {
    for (const auto& item : layout.menu) {
        menuChecks_.push_back(item.checked);
    }
}

Window::~Window() = default;

bool Window::create(HWND owner) {
    registerWindowClasses(toolkit_.instance());
    const Point at = centredPlace(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                  layout_.width, layout_.height);
    UniqueMenu menuBar = buildMenuBar(layout_.menu, menuChecks_);
    CreateWindowExW(0, kWindowClass, toWide(layout_.title).c_str(), kWindowStyle, at.x, at.y,
                    layout_.width, layout_.height, owner, menuBar.get(), toolkit_.instance(), this);
    if (!exists()) {
        return false;
    }
    menuBar.release(); // the window destroys its menu bar itself
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    ensureExactSize();
    applyIcons();
    createControls();
    if (layout_.alwaysOnTop) {
        SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
    }
    return exists();
}

void Window::finishLoading() {
    creating_ = false;
    auto& handlers = toolkit_.handlers(layout_);
    for (const Action* event : {&handlers.created, &handlers.moved, &handlers.sizeChanged}) {
        if (!exists()) {
            return;
        }
        raise(*event);
    }
    if (exists() && layout_.visible) {
        ShowWindow(hwnd_, SW_SHOW);
    }
}

// The system may have adjusted the size at creation; the layout's outer size holds.
void Window::ensureExactSize() {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    if (r.right - r.left != layout_.width || r.bottom - r.top != layout_.height) {
        SetWindowPos(hwnd_, nullptr, 0, 0, layout_.width, layout_.height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void Window::applyIcons() {
    const int big = GetSystemMetrics(SM_CXICON);
    const int small = GetSystemMetrics(SM_CXSMICON);
    if (!layout_.icon.empty()) {
        bigIcon_ = iconFromIcoFile(layout_.icon, big);
        smallIcon_ = iconFromIcoFile(layout_.icon, small);
    } else {
        bigIcon_ = defaultIcon(toolkit_.instance(), big);
        smallIcon_ = defaultIcon(toolkit_.instance(), small);
    }
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
    SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
}

void Window::raise(const Action& handler) {
    if (handler && !toolkit_.ending()) {
        const Action copy = handler;
        copy();
    }
}

void Window::rememberDisabled(HWND window, bool wasEnabled) { disabledWindows_.emplace_back(window, wasEnabled); }

void Window::restoreDisabled() {
    for (const auto& [window, wasEnabled] : std::exchange(disabledWindows_, {})) {
        if (IsWindow(window)) {
            EnableWindow(window, wasEnabled ? TRUE : FALSE);
        }
    }
}

int Window::positionState() const {
    if (IsIconic(hwnd_)) {
        return position::minimised;
    }
    return IsZoomed(hwnd_) ? position::maximised : position::normal;
}

void Window::setPositionState(int state) {
    // A hidden window keeps its state: nothing visible happens.
    if (!IsWindowVisible(hwnd_)) {
        return;
    }
    switch (std::clamp(state, position::normal, position::maximised)) {
    case position::normal:
        ShowWindow(hwnd_, SW_SHOWNORMAL);
        break;
    case position::centred: {
        ShowWindow(hwnd_, SW_RESTORE);
        const Point at = centredPlace(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                      layout_.width, layout_.height);
        SetWindowPos(hwnd_, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        break;
    }
    case position::minimised:
        ShowWindow(hwnd_, SW_MINIMIZE);
        break;
    default:
        ShowWindow(hwnd_, SW_MAXIMIZE);
        break;
    }
}

bool Window::menuChecked(std::size_t item) const { return item < menuChecks_.size() && menuChecks_[item]; }

void Window::setMenuChecked(std::size_t item, bool checked) {
    if (item < menuChecks_.size()) {
        menuChecks_[item] = checked;
    }
}

void Window::hookProcedure(MessageObserver observer) {
    hookObserver_ = std::move(observer);
    if (hookedProcedure_ == nullptr) {
        hookedProcedure_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&hookedWindowProcedure)));
    }
}

LRESULT Window::handleHookedMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (hookObserver_ && !toolkit_.ending()) {
        const MessageObserver observer = hookObserver_;
        observer(message);
    }
    // Every message goes on to the replaced procedure; the hook never swallows one.
    return CallWindowProcW(hookedProcedure_, hwnd_, message, wParam, lParam);
}

LRESULT Window::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        return onClose();
    case WM_QUERYENDSESSION:
        return onQueryEndSession(wParam, lParam);
    case kWmDeferredDestroy:
        restoreDisabled();
        DestroyWindow(hwnd_);
        return 0;
    case WM_SIZE:
    case WM_MOVE: {
        const LRESULT result = DefWindowProcW(hwnd_, message, wParam, lParam);
        if (!creating_) {
            auto& handlers = toolkit_.handlers(layout_);
            raise(message == WM_SIZE ? handlers.sizeChanged : handlers.moved);
        }
        return result;
    }
    case WM_COMMAND:
        onCommand(wParam, lParam);
        return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return onControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), message);
    case WM_ACTIVATE:
        onActivate(wParam);
        break;
    case WM_SETFOCUS:
        onSetFocus();
        return 0;
    case WM_DESTROY:
        restoreDisabled();
        raise(toolkit_.handlers(layout_).destroyed);
        break;
    case WM_NCDESTROY: {
        const LRESULT result = DefWindowProcW(hwnd_, message, wParam, lParam);
        onNcDestroy();
        return result;
    }
    default:
        break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT Window::onClose() {
    const CloseQuery handler = toolkit_.handlers(layout_).closeQuery;
    if (handler && !toolkit_.ending()) {
        const bool allow = handler();
        if (!allow && exists()) {
            return 0; // refused
        }
    }
    if (!exists()) {
        return 0;
    }
    restoreDisabled();
    return DefWindowProcW(hwnd_, WM_CLOSE, 0, 0); // destroys the window
}

LRESULT Window::onQueryEndSession(WPARAM wParam, LPARAM lParam) {
    if (!DefWindowProcW(hwnd_, WM_QUERYENDSESSION, wParam, lParam)) {
        return FALSE;
    }
    const CloseQuery handler = toolkit_.handlers(layout_).closeQuery;
    if (handler && !toolkit_.ending()) {
        const bool allow = handler();
        if (!allow && exists()) {
            return FALSE;
        }
    }
    return TRUE;
}

void Window::onCommand(WPARAM wParam, LPARAM lParam) {
    if (creating_) {
        return; // events are held back while the window is created
    }
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    auto& handlers = toolkit_.handlers(layout_);
    if (lParam == 0) {
        if (const auto item = menuItemIndex(id, layout_.menu.size())) {
            raiseNamed(handlers.menuSelected, layout_.menu[*item].caption, toolkit_.ending());
        }
        return;
    }
    const auto index = controlIndex(id, controls_.size());
    if (!index || controls_[*index].handle != reinterpret_cast<HWND>(lParam)) {
        return;
    }
    const ControlLayout& control = *controls_[*index].layout;
    if (control.kind == ControlKind::editBox && code == EN_KILLFOCUS) {
        raiseNamed(handlers.lostFocus, control.name, toolkit_.ending());
    } else if ((control.kind == ControlKind::button || control.kind == ControlKind::checkBox) &&
               code == BN_CLICKED) {
        raiseNamed(handlers.clicked, control.name, toolkit_.ending());
    }
}

void Window::handleTimer(HWND timer) {
    const auto index = controlIndex(GetDlgCtrlID(timer), controls_.size());
    if (creating_ || !index || controls_[*index].handle != timer) {
        return;
    }
    raiseNamed(toolkit_.handlers(layout_).tick, controls_[*index].layout->name, toolkit_.ending());
}

void Window::onNcDestroy() {
    unloaded_ = true;
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    toolkit_.unload(*this);
}

} // namespace tavmoor::toolkit::win32
