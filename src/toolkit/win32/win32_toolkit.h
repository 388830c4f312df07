// The toolkit over Win32, on the one GUI thread.
#pragma once

#include "toolkit/geometry.h"
#include "toolkit/toolkit.h"
#include "toolkit/win32/handle.h"
#include "toolkit/win32/window.h"

#include <windows.h>

#include <map>
#include <memory>
#include <string>

namespace tavmoor::toolkit::win32 {

// Handlers bound to one layout; they outlive every loaded instance of it.
struct Handlers {
    Action created;
    Action moved;
    Action sizeChanged;
    Action destroyed;
    CloseQuery closeQuery;
    TrayHandler trayEvent;
    std::map<std::string, Action, std::less<>> clicked;
    std::map<std::string, Action, std::less<>> lostFocus;
    std::map<std::string, Action, std::less<>> tick;
    std::map<std::string, Action, std::less<>> menuSelected;
};

class Win32Toolkit final : public Toolkit {
public:
    // Records the executable's directory and file name and makes the
    // directory the current directory.
    explicit Win32Toolkit(HINSTANCE instance);
    Win32Toolkit(const Win32Toolkit&) = delete;
    Win32Toolkit& operator=(const Win32Toolkit&) = delete;
    ~Win32Toolkit() override;

    HINSTANCE instance() const { return instance_; }
    const ExecutablePath& executablePath() const { return executablePath_; }

    // The message loop: starts only if a window is loaded; returns the code
    // of WM_QUIT.
    int run();
    // One message through the toolkit's keyboard handling, then to its window.
    void dispatch(MSG& message);
    HWND windowHandle(const WindowLayout& window) const;

    Handlers& handlers(const WindowLayout& window) { return handlers_[&window]; }
    void unload(const Window& window);
    // Events stop at once when the program is ending.
    bool ending() const { return ending_; }

    void onCreated(const WindowLayout& window, Action handler) override;
    void onMoved(const WindowLayout& window, Action handler) override;
    void onSizeChanged(const WindowLayout& window, Action handler) override;
    void onDestroyed(const WindowLayout& window, Action handler) override;
    void onCloseQuery(const WindowLayout& window, CloseQuery handler) override;
    void onTrayEvent(const WindowLayout& window, TrayHandler handler) override;
    void onClicked(const WindowLayout& window, std::string_view control, Action handler) override;
    void onLostFocus(const WindowLayout& window, std::string_view control, Action handler) override;
    void onTick(const WindowLayout& window, std::string_view timer, Action handler) override;
    void onMenuSelected(const WindowLayout& window, std::string_view caption, Action handler) override;

    bool isLoaded(const WindowLayout& window) const override;
    bool visible(const WindowLayout& window) override;
    void setVisible(const WindowLayout& window, bool visible) override;
    int positionState(const WindowLayout& window) override;
    void setPositionState(const WindowLayout& window, int state) override;
    void setAlwaysOnTop(const WindowLayout& window, bool onTop) override;
    Bytes icon(const WindowLayout& window) override;
    void setEnterMovesFocus(const WindowLayout& window, bool on) override;
    void hookWindowProcedure(const WindowLayout& window, MessageObserver observer) override;

    Text text(const WindowLayout& window, std::string_view control) override;
    void setText(const WindowLayout& window, std::string_view control, const Text& text) override;
    bool checked(const WindowLayout& window, std::string_view checkBox) override;
    void setChecked(const WindowLayout& window, std::string_view checkBox, bool checked) override;
    void setSelectedLength(const WindowLayout& window, std::string_view editBox, int length) override;
    void setTimerPeriod(const WindowLayout& window, std::string_view timer, int milliseconds) override;
    void setFocus(const WindowLayout& window, std::string_view control) override;

    bool menuChecked(const WindowLayout& window, std::string_view caption) override;
    void setMenuChecked(const WindowLayout& window, std::string_view caption, bool checked) override;

    int messageBox(const Text& text, unsigned flags, const std::optional<Text>& title = {}) override;
    bool setControlSkin(int scheme) override;
    bool loadWindow(const WindowLayout& window, const WindowLayout* parent, bool asDialog) override;
    void destroyWindow(const WindowLayout& window) override;
    [[noreturn]] void endProgram(int exitCode) override;

private:
    Window* find(const WindowLayout& window) const;
    Control* findControl(const WindowLayout& window, std::string_view name) const;
    void showLoaded(Window& window);
    void disableOthersFor(Window& dialog);
    void runModalLoop(const std::shared_ptr<Window>& dialog);

    HINSTANCE instance_;
    ExecutablePath executablePath_;
    std::map<const WindowLayout*, Handlers> handlers_;
    std::map<const WindowLayout*, std::shared_ptr<Window>> loaded_;
    // Owner of modal dialogs: an owned window gets no taskbar button.
    UniqueWindow dialogOwner_;
    bool mainLoopStarted_ = false;
    bool ending_ = false;
};

} // namespace tavmoor::toolkit::win32
