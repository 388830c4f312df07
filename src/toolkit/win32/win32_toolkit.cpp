#include "toolkit/win32/win32_toolkit.h"

#include "toolkit/win32/control_skin.h"
#include "toolkit/win32/text.h"
#include "toolkit/win32/window_classes.h"

#include <string>
#include <utility>
#include <vector>

namespace tavmoor::toolkit::win32 {
namespace {

constexpr std::string_view kDefaultTitle = "\xd0\xc5\xcf\xa2\xa3\xba"; // 信息：

// The executable's full path, however long.
std::wstring modulePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

// "C:" alone names the drive's current directory, not its root.
std::wstring asCurrentDirectory(std::wstring directory) {
    if (directory.size() == 2 && directory[1] == L':') {
        directory += L'\\';
    }
    return directory;
}

} // namespace

Win32Toolkit::Win32Toolkit(HINSTANCE instance)
    : instance_(instance), executablePath_(splitExecutablePath(modulePath())) {
    registerWindowClasses(instance_);
    SetCurrentDirectoryW(asCurrentDirectory(executablePath_.directory).c_str());
    dialogOwner_.reset(CreateWindowExW(0, kOwnerClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                       instance_, nullptr));
}

Win32Toolkit::~Win32Toolkit() {
    ending_ = true;
    std::vector<HWND> windows;
    for (const auto& [layout, window] : loaded_) {
        windows.push_back(window->handle());
    }
    for (HWND window : windows) {
        DestroyWindow(window);
    }
}

int Win32Toolkit::run() {
    if (loaded_.empty()) {
        return 0;
    }
    mainLoopStarted_ = true;
    MSG message{};
    for (;;) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            return static_cast<int>(message.wParam);
        }
        if (got == -1) {
            return -1;
        }
        dispatch(message);
    }
}

void Win32Toolkit::dispatch(MSG& message) {
    if (message.message == WM_KEYDOWN && message.hwnd != nullptr) {
        if (Window* window = windowFromHandle(GetAncestor(message.hwnd, GA_ROOT))) {
            const auto keepAlive = window->shared_from_this();
            if (window->preTranslate(message)) {
                return;
            }
        }
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

Window* Win32Toolkit::find(const WindowLayout& window) const {
    const auto found = loaded_.find(&window);
    return found != loaded_.end() && found->second->exists() ? found->second.get() : nullptr;
}

Control* Win32Toolkit::findControl(const WindowLayout& window, std::string_view name) const {
    Window* loaded = find(window);
    return loaded ? loaded->control(name) : nullptr;
}

HWND Win32Toolkit::windowHandle(const WindowLayout& window) const {
    const Window* loaded = find(window);
    return loaded ? loaded->handle() : nullptr;
}

// A window is unloaded on its last message; the program ends when the last
// window is gone, once the main loop runs.
void Win32Toolkit::unload(const Window& window) {
    const auto found = loaded_.find(&window.layout());
    if (found != loaded_.end() && found->second.get() == &window) {
        loaded_.erase(found);
    }
    if (loaded_.empty() && mainLoopStarted_ && !ending_) {
        PostQuitMessage(0);
    }
}

// Binding.
void Win32Toolkit::onCreated(const WindowLayout& w, Action h) { handlers(w).created = std::move(h); }
void Win32Toolkit::onMoved(const WindowLayout& w, Action h) { handlers(w).moved = std::move(h); }
void Win32Toolkit::onSizeChanged(const WindowLayout& w, Action h) { handlers(w).sizeChanged = std::move(h); }
void Win32Toolkit::onDestroyed(const WindowLayout& w, Action h) { handlers(w).destroyed = std::move(h); }
void Win32Toolkit::onCloseQuery(const WindowLayout& w, CloseQuery h) { handlers(w).closeQuery = std::move(h); }
void Win32Toolkit::onTrayEvent(const WindowLayout& w, TrayHandler h) { handlers(w).trayEvent = std::move(h); }

void Win32Toolkit::onClicked(const WindowLayout& w, std::string_view control, Action h) {
    handlers(w).clicked.insert_or_assign(std::string{control}, std::move(h));
}
void Win32Toolkit::onLostFocus(const WindowLayout& w, std::string_view control, Action h) {
    handlers(w).lostFocus.insert_or_assign(std::string{control}, std::move(h));
}
void Win32Toolkit::onTick(const WindowLayout& w, std::string_view timer, Action h) {
    handlers(w).tick.insert_or_assign(std::string{timer}, std::move(h));
}
void Win32Toolkit::onMenuSelected(const WindowLayout& w, std::string_view caption, Action h) {
    handlers(w).menuSelected.insert_or_assign(std::string{caption}, std::move(h));
}

// Window properties.
bool Win32Toolkit::isLoaded(const WindowLayout& window) const { return find(window) != nullptr; }

bool Win32Toolkit::visible(const WindowLayout& window) {
    const HWND handle = windowHandle(window);
    return handle != nullptr && IsWindowVisible(handle);
}

void Win32Toolkit::setVisible(const WindowLayout& window, bool visible) {
    if (const HWND handle = windowHandle(window)) {
        ShowWindow(handle, visible ? SW_SHOW : SW_HIDE);
    }
}

int Win32Toolkit::positionState(const WindowLayout& window) {
    const Window* loaded = find(window);
    return loaded ? loaded->positionState() : position::normal;
}

void Win32Toolkit::setPositionState(const WindowLayout& window, int state) {
    if (Window* loaded = find(window)) {
        const auto keepAlive = loaded->shared_from_this();
        loaded->setPositionState(state);
    }
}

void Win32Toolkit::setAlwaysOnTop(const WindowLayout& window, bool onTop) {
    if (const HWND handle = windowHandle(window)) {
        SetWindowPos(handle, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

Bytes Win32Toolkit::icon(const WindowLayout& window) { return window.icon; }

void Win32Toolkit::setEnterMovesFocus(const WindowLayout& window, bool on) {
    if (Window* loaded = find(window)) {
        loaded->setEnterMovesFocus(on);
    }
}

void Win32Toolkit::hookWindowProcedure(const WindowLayout& window, MessageObserver observer) {
    if (Window* loaded = find(window)) {
        loaded->hookProcedure(std::move(observer));
    }
}

// Controls.
Text Win32Toolkit::text(const WindowLayout& window, std::string_view control) {
    const Control* found = findControl(window, control);
    return found ? find(window)->text(*found) : Text{};
}

void Win32Toolkit::setText(const WindowLayout& window, std::string_view control, const Text& text) {
    if (Control* found = findControl(window, control)) {
        find(window)->setText(*found, text);
    }
}

bool Win32Toolkit::checked(const WindowLayout& window, std::string_view checkBox) {
    const Control* found = findControl(window, checkBox);
    return found && SendMessageW(found->handle, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32Toolkit::setChecked(const WindowLayout& window, std::string_view checkBox, bool checked) {
    if (const Control* found = findControl(window, checkBox)) {
        SendMessageW(found->handle, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

void Win32Toolkit::setSelectedLength(const WindowLayout& window, std::string_view editBox, int length) {
    const Control* found = findControl(window, editBox);
    if (found == nullptr) {
        return;
    }
    DWORD start = 0;
    SendMessageW(found->handle, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    SendMessageW(found->handle, EM_SETSEL, start, static_cast<LPARAM>(start) + length);
    SendMessageW(found->handle, EM_SCROLLCARET, 0, 0);
}

void Win32Toolkit::setTimerPeriod(const WindowLayout& window, std::string_view timer, int milliseconds) {
    const Control* found = findControl(window, timer);
    if (found == nullptr || found->layout->kind != ControlKind::timer) {
        return;
    }
    if (milliseconds > 0) {
        SetTimer(found->handle, kTimerId, static_cast<UINT>(milliseconds), nullptr);
    } else {
        KillTimer(found->handle, kTimerId);
    }
}

void Win32Toolkit::setFocus(const WindowLayout& window, std::string_view control) {
    if (const Control* found = findControl(window, control)) {
        SetFocus(found->handle);
    }
}

bool Win32Toolkit::menuChecked(const WindowLayout& window, std::string_view caption) {
    const Window* loaded = find(window);
    const auto item = findMenuItem(window.menu, caption);
    return loaded && item && loaded->menuChecked(*item);
}

void Win32Toolkit::setMenuChecked(const WindowLayout& window, std::string_view caption, bool checked) {
    Window* loaded = find(window);
    if (const auto item = findMenuItem(window.menu, caption); loaded && item) {
        loaded->setMenuChecked(*item, checked);
    }
}

// Operations.
int Win32Toolkit::messageBox(const Text& text, unsigned flags, const std::optional<Text>& title) {
    if ((flags & box::systemModal) == 0) {
        flags |= box::taskModal;
    }
    const std::wstring caption = toWide(title.value_or(Text{kDefaultTitle}));
    return MessageBoxW(nullptr, toWide(text).c_str(), caption.c_str(), flags);
}

bool Win32Toolkit::setControlSkin(int scheme) { return win32::setControlSkin(scheme); }

bool Win32Toolkit::loadWindow(const WindowLayout& window, const WindowLayout* parent, bool asDialog) {
    if (Window* loaded = find(window)) {
        showLoaded(*loaded);
        return true;
    }
    auto created = std::make_shared<Window>(*this, window);
    loaded_.insert_or_assign(&window, created);
    const HWND owner = asDialog ? dialogOwner_.get() : (parent ? windowHandle(*parent) : nullptr);
    if (!created->create(owner)) {
        unload(*created);
        return false;
    }
    created->finishLoading();
    if (asDialog && created->exists()) {
        disableOthersFor(*created);
        runModalLoop(created);
    }
    return true;
}

// Loading a loaded window makes no second one: it is restored when
// minimised, else activated.
void Win32Toolkit::showLoaded(Window& window) {
    if (IsIconic(window.handle())) {
        ShowWindow(window.handle(), SW_RESTORE);
    } else {
        SetActiveWindow(window.handle());
    }
}

void Win32Toolkit::disableOthersFor(Window& dialog) {
    for (const auto& [layout, window] : loaded_) {
        const HWND handle = window->handle();
        if (window.get() == &dialog || !window->exists() || GetWindow(handle, GW_OWNER) != nullptr) {
            continue;
        }
        dialog.rememberDisabled(handle, IsWindowEnabled(handle) != FALSE);
        EnableWindow(handle, FALSE);
    }
}

// Dispatches every message of the thread until the dialog is unloaded. A
// WM_QUIT ends the loop and is posted again for the loop outside.
void Win32Toolkit::runModalLoop(const std::shared_ptr<Window>& dialog) {
    MSG message{};
    while (!dialog->unloaded()) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        if (got == -1) {
            return;
        }
        dispatch(message);
    }
}

void Win32Toolkit::destroyWindow(const WindowLayout& window) {
    Window* loaded = find(window);
    if (loaded == nullptr) {
        return;
    }
    PostMessageW(loaded->handle(), kWmDeferredDestroy, 0, 0);
}

void Win32Toolkit::endProgram(int exitCode) {
    ending_ = true;
    ExitProcess(static_cast<UINT>(exitCode));
}

} // namespace tavmoor::toolkit::win32
