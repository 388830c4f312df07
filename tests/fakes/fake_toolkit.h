// A test double of the window toolkit. It keeps the state the program can
// observe (loaded windows, control texts, check states, menu checks,
// visibility, position state, timer periods), lets a test raise any event as
// the message loop would, and records every operation the program calls, in
// order, as readable lines in `calls` (names and texts as GBK bytes), e.g.
//   "setFocus 编辑框1", "setSelectedLength 编辑框1 3",
//   "messageBox 时间设置错误！ flags=0x10", "event lostFocus 编辑框1".
// Reads are not recorded. Window-level lines name the window by its title.
//
// Simplifications, against the real toolkit's contract:
// - destroyWindow handles its posted request at once: the destroyed event
//   runs and the window is unloaded before the call returns.
// - A modal loadWindow runs the test's `duringModal` action for that window
//   in place of the nested message loop, then returns.
// - endProgram throws ProgramEnded, the only way a double can leave a
//   [[noreturn]] call.
#pragma once

#include "toolkit/layout.h"
#include "toolkit/toolkit.h"

#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace tavmoor::fakes {

// Thrown by FakeToolkit::endProgram.
struct ProgramEnded {
    int code = 0;
};

// Joins the parts of a call line with single spaces: call("setFocus", gbk::编辑框1).
std::string call(std::initializer_list<std::string_view> parts);

class FakeToolkit : public toolkit::Toolkit {
public:
    using WindowLayout = toolkit::WindowLayout;
    using Text = toolkit::Text;

    // What the program can observe of one loaded window.
    struct WindowState {
        bool visible = false;
        int positionState = toolkit::position::normal;
        bool alwaysOnTop = false;
        bool enterMovesFocus = false;
        bool enabled = true;
        std::map<std::string, Text, std::less<>> texts;
        std::map<std::string, bool, std::less<>> checks;
        std::map<std::string, bool, std::less<>> menuChecks;
        std::map<std::string, int, std::less<>> timerPeriods;
        std::map<std::string, int, std::less<>> selectedLengths;
        std::string focus;
        toolkit::MessageObserver hook;
        // Windows this window disabled as a modal dialog, with their earlier state.
        std::map<const WindowLayout*, bool> disabled;
    };

    struct MessageBoxCall {
        Text text;
        unsigned flags = 0;
        std::optional<Text> title;
    };

    // Raising events, as the message loop would. Each is recorded as
    // "event <name> <window title or control>"; with no handler bound it does nothing.
    void raiseCreated(const WindowLayout& window);
    void raiseMoved(const WindowLayout& window);
    void raiseSizeChanged(const WindowLayout& window);
    void raiseDestroyed(const WindowLayout& window);
    // The handler's answer; true (the close goes ahead) when none is bound.
    bool raiseCloseQuery(const WindowLayout& window);
    void raiseTrayEvent(const WindowLayout& window, int code);
    void raiseClicked(const WindowLayout& window, std::string_view control);
    void raiseLostFocus(const WindowLayout& window, std::string_view control);
    void raiseTick(const WindowLayout& window, std::string_view timer);
    void raiseMenuSelected(const WindowLayout& window, std::string_view caption);
    // A message reaching the window's procedure: calls the hooked observer, if any.
    void raiseWindowMessage(const WindowLayout& window, unsigned message);

    // Loads a window fresh from its layout without raising any event, for a
    // test that starts with the window already there.
    void markLoaded(const WindowLayout& window);
    // The state of a loaded window, for setting up and checking; loads it
    // (markLoaded) when it is not loaded yet.
    WindowState& state(const WindowLayout& window);

    // Recorded calls, in order, and the message boxes shown.
    std::vector<std::string> calls;
    std::vector<MessageBoxCall> messageBoxes;
    int messageBoxAnswer = 1; // IDOK
    int controlSkin = 0;
    // Set when the last loaded window was destroyed (the toolkit's quit message).
    bool quitPosted = false;
    // Runs inside a modal loadWindow of that window, in place of the nested loop.
    std::map<const WindowLayout*, std::function<void()>> duringModal;
    // Windows whose creation fails: loadWindow answers false.
    std::set<const WindowLayout*> failingLoads;

    // toolkit::Toolkit
    void onCreated(const WindowLayout& window, toolkit::Action handler) override;
    void onMoved(const WindowLayout& window, toolkit::Action handler) override;
    void onSizeChanged(const WindowLayout& window, toolkit::Action handler) override;
    void onDestroyed(const WindowLayout& window, toolkit::Action handler) override;
    void onCloseQuery(const WindowLayout& window, toolkit::CloseQuery handler) override;
    void onTrayEvent(const WindowLayout& window, toolkit::TrayHandler handler) override;
    void onClicked(const WindowLayout& window, std::string_view control, toolkit::Action handler) override;
    void onLostFocus(const WindowLayout& window, std::string_view control, toolkit::Action handler) override;
    void onTick(const WindowLayout& window, std::string_view timer, toolkit::Action handler) override;
    void onMenuSelected(const WindowLayout& window, std::string_view caption, toolkit::Action handler) override;

    bool isLoaded(const WindowLayout& window) const override;
    bool visible(const WindowLayout& window) override;
    void setVisible(const WindowLayout& window, bool visible) override;
    int positionState(const WindowLayout& window) override;
    void setPositionState(const WindowLayout& window, int state) override;
    void setAlwaysOnTop(const WindowLayout& window, bool onTop) override;
    toolkit::Bytes icon(const WindowLayout& window) override;
    void setEnterMovesFocus(const WindowLayout& window, bool on) override;
    void hookWindowProcedure(const WindowLayout& window, toolkit::MessageObserver observer) override;

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
    enum class Event { created, moved, sizeChanged, destroyed, clicked, lostFocus, tick, menuSelected };
    using HandlerKey = std::tuple<const WindowLayout*, Event, std::string>;

    void bind(const WindowLayout& window, Event event, std::string_view name, toolkit::Action handler);
    void raise(const WindowLayout& window, Event event, std::string_view name, std::string_view line);
    WindowState* find(const WindowLayout& window);
    void record(std::initializer_list<std::string_view> parts);
    void disableOthersFor(const WindowLayout& dialog);
    void restoreDisabledBy(const WindowLayout& dialog);

    std::map<HandlerKey, toolkit::Action> handlers_;
    std::map<const WindowLayout*, toolkit::CloseQuery> closeQueries_;
    std::map<const WindowLayout*, toolkit::TrayHandler> trayHandlers_;
    std::map<const WindowLayout*, WindowState> loaded_;
};

} // namespace tavmoor::fakes
