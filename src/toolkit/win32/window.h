// One loaded window of the toolkit: its HWND, its controls and the state the
// lifecycle needs. It lives from loadWindow until its last message
// (WM_NCDESTROY); message dispatch holds a shared_ptr to it, so a window that
// is destroyed inside one of its own handlers stays valid until that handler
// has returned.
#pragma once

#include "toolkit/layout.h"
#include "toolkit/toolkit.h"
#include "toolkit/win32/handle.h"

#include <windows.h>

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavmoor::toolkit::win32 {

class Win32Toolkit;

// The private message that carries out a destroyWindow request.
constexpr UINT kWmDeferredDestroy = WM_APP + 101;
constexpr UINT_PTR kTimerId = 1000;

struct Control {
    const ControlLayout* layout = nullptr;
    HWND handle = nullptr;
    UniqueBrush background; // edit boxes and controls with their own background colour
    // The last text written by the program, as given and as shown: reading the
    // text back returns the same bytes as long as the user has not changed it,
    // even where they do not survive a round trip through Unicode.
    std::string writtenGbk;
    std::wstring writtenWide;
};

class Window : public std::enable_shared_from_this<Window> {
public:
    Window(Win32Toolkit& toolkit, const WindowLayout& layout);
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    ~Window();

    // Creates the window and its controls, hidden, with events held back.
    bool create(HWND owner);
    // Raises created, moved and size changed, each while the window exists;
    // then shows it if its layout says so.
    void finishLoading();

    // Called by the window procedure on WM_NCCREATE.
    void attach(HWND hwnd) { hwnd_ = hwnd; }
    HWND handle() const { return hwnd_; }
    const WindowLayout& layout() const { return layout_; }
    bool exists() const { return hwnd_ != nullptr && !unloaded_; }
    bool unloaded() const { return unloaded_; }

    // Modal dialogs: the windows this one disabled, with their earlier state.
    void rememberDisabled(HWND window, bool wasEnabled);
    void restoreDisabled();

    // Properties.
    Control* control(std::string_view name);
    int positionState() const;
    void setPositionState(int state);
    void setEnterMovesFocus(bool on) { enterMovesFocus_ = on; }
    bool menuChecked(std::size_t item) const;
    void setMenuChecked(std::size_t item, bool checked);
    void hookProcedure(MessageObserver observer);
    void setText(Control& control, const std::string& gbk);
    std::string text(const Control& control) const;

    // Keyboard handling before dispatch; true when the key was used up.
    bool preTranslate(const MSG& message);

    // Message handling, called by the window procedures.
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleHookedMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void handleTimer(HWND timer);

private:
    void createControls();
    void createControl(std::size_t index);
    void placeInGroupBoxes();
    void stackControls();
    void showControls();
    void applyIcons();
    void ensureExactSize();
    HFONT fontFor(Font font);

    LRESULT onClose();
    LRESULT onQueryEndSession(WPARAM wParam, LPARAM lParam);
    void onCommand(WPARAM wParam, LPARAM lParam);
    LRESULT onControlColour(HDC dc, HWND control, UINT message);
    void onActivate(WPARAM wParam);
    void onSetFocus();
    void onNcDestroy();

    bool onEnter(const MSG& message);
    void moveFocus(int step);
    std::optional<std::size_t> focusedControl() const;
    void focusControl(std::size_t index);
    void raise(const Action& handler);

    Win32Toolkit& toolkit_;
    const WindowLayout& layout_;
    HWND hwnd_ = nullptr;
    std::vector<Control> controls_;
    std::vector<bool> menuChecks_;
    std::vector<std::pair<HWND, bool>> disabledWindows_;
    UniqueFont songTi12_;
    UniqueIcon bigIcon_;
    UniqueIcon smallIcon_;
    UniqueMenu menuBar_;
    bool creating_ = true;
    bool unloaded_ = false;
    bool enterMovesFocus_ = false;
    HWND lastFocus_ = nullptr;
    WNDPROC hookedProcedure_ = nullptr;
    MessageObserver hookObserver_;
};

} // namespace tavmoor::toolkit::win32
