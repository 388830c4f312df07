// The window toolkit: the only interface the program's handlers use to reach
// windows, controls, menu items and timers. A window is named by its layout;
// a control by its layout name, a menu item by its caption. Every text is GBK.
//
// The contract, written once:
// - Handlers are bound per layout, not per loaded instance: a window that is
//   destroyed and loaded again raises its events to the same handlers.
// - Events run one at a time from the message loop, to completion. The two
//   exceptions: a property write that makes Windows send a message at once
//   runs that message's handler before the write returns (writing position
//   state 2 minimises the window, whose size-changed handler runs inside the
//   write); and a modal loadWindow runs a nested message loop in which any
//   event of the program may run, timer ticks of other windows included.
// - A handler must not assume that a window it used before a modal loadWindow
//   still exists after it.
// - created: once per load, after the window and its controls exist and before
//   it could be shown; then moved, then size changed. Events of a window are
//   held back while it is being created.
// - size changed: every WM_SIZE after default processing, and once after load.
// - close query: raised by WM_CLOSE and WM_QUERYENDSESSION. Answering false
//   while the window still exists refuses the close. No handler, or true,
//   lets it go ahead. A destruction through destroyWindow raises none.
// - destroyed: raised while the window is destroyed, before its controls go.
// - lost focus (edit box), clicked (button, check box: the box has toggled
//   itself already), periodic (timer), selected (menu item, after the menu
//   closed).
// - Property writes and reads on a window that is not loaded do nothing and
//   read as empty, 0 or false.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tavmoor::toolkit {

struct WindowLayout;

using Text = std::string; // GBK bytes
using Bytes = std::span<const std::uint8_t>;

using Action = std::function<void()>;
using CloseQuery = std::function<bool()>;
using TrayHandler = std::function<void(int code)>;
using MessageObserver = std::function<void(unsigned message)>;

// Position state of a window, as read and written through positionState.
namespace position {
constexpr int normal = 0;
constexpr int centred = 1;
constexpr int minimised = 2;
constexpr int maximised = 3;
} // namespace position

// Message box flags, with the values of the Windows headers.
namespace box {
constexpr unsigned ok = 0x0;
constexpr unsigned iconError = 0x10;
constexpr unsigned systemModal = 0x1000;
constexpr unsigned taskModal = 0x2000;
} // namespace box

// Window messages the program's own logic names.
constexpr unsigned kWmQueryEndSession = 0x0011;

class Toolkit {
public:
    virtual ~Toolkit() = default;

    // Binding handlers.
    virtual void onCreated(const WindowLayout& window, Action handler) = 0;
    virtual void onMoved(const WindowLayout& window, Action handler) = 0;
    virtual void onSizeChanged(const WindowLayout& window, Action handler) = 0;
    virtual void onDestroyed(const WindowLayout& window, Action handler) = 0;
    virtual void onCloseQuery(const WindowLayout& window, CloseQuery handler) = 0;
    virtual void onTrayEvent(const WindowLayout& window, TrayHandler handler) = 0;
    virtual void onClicked(const WindowLayout& window, std::string_view control, Action handler) = 0;
    virtual void onLostFocus(const WindowLayout& window, std::string_view control, Action handler) = 0;
    virtual void onTick(const WindowLayout& window, std::string_view timer, Action handler) = 0;
    virtual void onMenuSelected(const WindowLayout& window, std::string_view caption, Action handler) = 0;

    // Window properties.
    virtual bool isLoaded(const WindowLayout& window) const = 0;
    virtual bool visible(const WindowLayout& window) = 0;
    virtual void setVisible(const WindowLayout& window, bool visible) = 0;
    virtual int positionState(const WindowLayout& window) = 0;
    virtual void setPositionState(const WindowLayout& window, int state) = 0;
    virtual void setAlwaysOnTop(const WindowLayout& window, bool onTop) = 0;
    virtual Bytes icon(const WindowLayout& window) = 0;
    virtual void setEnterMovesFocus(const WindowLayout& window, bool on) = 0;
    // Calls the observer with every message that reaches the window's
    // procedure, before the message is forwarded to the procedure it replaced.
    virtual void hookWindowProcedure(const WindowLayout& window, MessageObserver observer) = 0;

    // Controls.
    virtual Text text(const WindowLayout& window, std::string_view control) = 0;
    virtual void setText(const WindowLayout& window, std::string_view control, const Text& text) = 0;
    virtual bool checked(const WindowLayout& window, std::string_view checkBox) = 0;
    virtual void setChecked(const WindowLayout& window, std::string_view checkBox, bool checked) = 0;
    virtual void setSelectedLength(const WindowLayout& window, std::string_view editBox, int length) = 0;
    virtual void setTimerPeriod(const WindowLayout& window, std::string_view timer, int milliseconds) = 0;
    virtual void setFocus(const WindowLayout& window, std::string_view control) = 0;

    // Menu items: the checked property, shown as a check mark when a menu is next built.
    virtual bool menuChecked(const WindowLayout& window, std::string_view caption) = 0;
    virtual void setMenuChecked(const WindowLayout& window, std::string_view caption, bool checked) = 0;

    // Operations.
    // A message box with no owner; title "信息：" when none is given; task-modal
    // unless system-modal is asked for. Returns the button's identifier.
    virtual int messageBox(const Text& text, unsigned flags, const std::optional<Text>& title = {}) = 0;
    // Flat drawing of the standard controls of every window of the thread,
    // present and future: schemes 1 to 3; any other number switches it off.
    virtual bool setControlSkin(int scheme) = 0;
    virtual bool loadWindow(const WindowLayout& window, const WindowLayout* parent, bool asDialog) = 0;
    virtual void destroyWindow(const WindowLayout& window) = 0;
    [[noreturn]] virtual void endProgram(int exitCode) = 0;
};

} // namespace tavmoor::toolkit
