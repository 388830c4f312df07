#include "fakes/fake_toolkit.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace tavmoor::fakes {
namespace {

using toolkit::WindowLayout;

FakeToolkit::WindowState freshFrom(const WindowLayout& layout) {
    FakeToolkit::WindowState state;
    state.visible = layout.visible;
    for (const auto& control : layout.controls) {
        state.texts.insert_or_assign(std::string{control.name}, toolkit::Text{control.text});
        if (control.kind == toolkit::ControlKind::timer) {
            state.timerPeriods.insert_or_assign(std::string{control.name}, control.period);
        }
    }
    for (const auto& item : layout.menu) {
        state.menuChecks.insert_or_assign(std::string{item.caption}, item.checked);
    }
    return state;
}

// Position states as read back: centred reads as normal.
int effective(int state) {
    return state == toolkit::position::minimised || state == toolkit::position::maximised
               ? state
               : toolkit::position::normal;
}

std::string flag(bool on) { return on ? "1" : "0"; }

std::string hex(unsigned value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%x", value);
    return buffer;
}

template <typename Map>
auto valueOr(const Map& map, std::string_view key, typename Map::mapped_type fallback) {
    const auto found = map.find(key);
    return found == map.end() ? fallback : found->second;
}

} // namespace

std::string call(std::initializer_list<std::string_view> parts) {
    std::string line;
    for (const auto part : parts) {
        if (!line.empty()) {
            line += ' ';
        }
        line += part;
    }
    return line;
}

void FakeToolkit::record(std::initializer_list<std::string_view> parts) {
    calls.push_back(call(parts));
}

FakeToolkit::WindowState* FakeToolkit::find(const WindowLayout& window) {
    const auto found = loaded_.find(&window);
    return found == loaded_.end() ? nullptr : &found->second;
}

void FakeToolkit::markLoaded(const WindowLayout& window) {
    loaded_.insert_or_assign(&window, freshFrom(window));
}

FakeToolkit::WindowState& FakeToolkit::state(const WindowLayout& window) {
    if (!find(window)) {
        markLoaded(window);
    }
    return *find(window);
}

// Binding and raising.

void FakeToolkit::bind(const WindowLayout& window, Event event, std::string_view name, toolkit::Action handler) {
    handlers_.insert_or_assign(HandlerKey{&window, event, std::string{name}}, std::move(handler));
}

void FakeToolkit::raise(const WindowLayout& window, Event event, std::string_view name, std::string_view line) {
    calls.push_back(call({"event", line}));
    const auto found = handlers_.find(HandlerKey{&window, event, std::string{name}});
    if (found != handlers_.end()) {
        // A copy: the handler may bind a new one for the same event while it runs.
        const toolkit::Action handler = found->second;
        handler();
    }
}

void FakeToolkit::onCreated(const WindowLayout& w, toolkit::Action h) { bind(w, Event::created, {}, std::move(h)); }
void FakeToolkit::onMoved(const WindowLayout& w, toolkit::Action h) { bind(w, Event::moved, {}, std::move(h)); }
void FakeToolkit::onSizeChanged(const WindowLayout& w, toolkit::Action h) { bind(w, Event::sizeChanged, {}, std::move(h)); }
void FakeToolkit::onDestroyed(const WindowLayout& w, toolkit::Action h) { bind(w, Event::destroyed, {}, std::move(h)); }
void FakeToolkit::onCloseQuery(const WindowLayout& w, toolkit::CloseQuery h) { closeQueries_.insert_or_assign(&w, std::move(h)); }
void FakeToolkit::onTrayEvent(const WindowLayout& w, toolkit::TrayHandler h) { trayHandlers_.insert_or_assign(&w, std::move(h)); }
void FakeToolkit::onClicked(const WindowLayout& w, std::string_view c, toolkit::Action h) { bind(w, Event::clicked, c, std::move(h)); }
void FakeToolkit::onLostFocus(const WindowLayout& w, std::string_view c, toolkit::Action h) { bind(w, Event::lostFocus, c, std::move(h)); }
void FakeToolkit::onTick(const WindowLayout& w, std::string_view t, toolkit::Action h) { bind(w, Event::tick, t, std::move(h)); }
void FakeToolkit::onMenuSelected(const WindowLayout& w, std::string_view c, toolkit::Action h) { bind(w, Event::menuSelected, c, std::move(h)); }

void FakeToolkit::raiseCreated(const WindowLayout& w) { raise(w, Event::created, {}, call({"created", w.title})); }
void FakeToolkit::raiseMoved(const WindowLayout& w) { raise(w, Event::moved, {}, call({"moved", w.title})); }
void FakeToolkit::raiseSizeChanged(const WindowLayout& w) { raise(w, Event::sizeChanged, {}, call({"sizeChanged", w.title})); }
void FakeToolkit::raiseDestroyed(const WindowLayout& w) { raise(w, Event::destroyed, {}, call({"destroyed", w.title})); }
void FakeToolkit::raiseClicked(const WindowLayout& w, std::string_view c) { raise(w, Event::clicked, c, call({"clicked", c})); }
void FakeToolkit::raiseLostFocus(const WindowLayout& w, std::string_view c) { raise(w, Event::lostFocus, c, call({"lostFocus", c})); }
void FakeToolkit::raiseTick(const WindowLayout& w, std::string_view t) { raise(w, Event::tick, t, call({"tick", t})); }
void FakeToolkit::raiseMenuSelected(const WindowLayout& w, std::string_view c) { raise(w, Event::menuSelected, c, call({"menuSelected", c})); }

bool FakeToolkit::raiseCloseQuery(const WindowLayout& window) {
    record({"event closeQuery", window.title});
    const auto found = closeQueries_.find(&window);
    if (found == closeQueries_.end()) {
        return true;
    }
    const toolkit::CloseQuery handler = found->second;
    return handler();
}

void FakeToolkit::raiseTrayEvent(const WindowLayout& window, int code) {
    record({"event trayEvent", window.title, std::to_string(code)});
    const auto found = trayHandlers_.find(&window);
    if (found != trayHandlers_.end()) {
        const toolkit::TrayHandler handler = found->second;
        handler(code);
    }
}

void FakeToolkit::raiseWindowMessage(const WindowLayout& window, unsigned message) {
    record({"event message", window.title, hex(message)});
    if (auto* state = find(window); state && state->hook) {
        const toolkit::MessageObserver observer = state->hook;
        observer(message);
    }
}

// Window properties.

bool FakeToolkit::isLoaded(const WindowLayout& window) const { return loaded_.contains(&window); }

bool FakeToolkit::visible(const WindowLayout& window) {
    const auto* state = find(window);
    return state && state->visible;
}

void FakeToolkit::setVisible(const WindowLayout& window, bool visible) {
    record({"setVisible", window.title, flag(visible)});
    if (auto* state = find(window)) {
        state->visible = visible; // a minimised window stays minimised
    }
}

int FakeToolkit::positionState(const WindowLayout& window) {
    const auto* state = find(window);
    return state ? effective(state->positionState) : 0;
}

// Acts only while the window is visible; a change between normal, minimised
// and maximised raises size changed inside the write, as WM_SIZE would.
void FakeToolkit::setPositionState(const WindowLayout& window, int state) {
    const int clamped = std::clamp(state, toolkit::position::normal, toolkit::position::maximised);
    record({"setPositionState", window.title, std::to_string(clamped)});
    auto* loaded = find(window);
    if (!loaded || !loaded->visible) {
        return;
    }
    const int before = effective(loaded->positionState);
    loaded->positionState = clamped;
    if (effective(clamped) != before) {
        raiseSizeChanged(window);
    }
}

void FakeToolkit::setAlwaysOnTop(const WindowLayout& window, bool onTop) {
    record({"setAlwaysOnTop", window.title, flag(onTop)});
    if (auto* state = find(window)) {
        state->alwaysOnTop = onTop;
    }
}

toolkit::Bytes FakeToolkit::icon(const WindowLayout& window) {
    return isLoaded(window) ? window.icon : toolkit::Bytes{};
}

void FakeToolkit::setEnterMovesFocus(const WindowLayout& window, bool on) {
    record({"setEnterMovesFocus", window.title, flag(on)});
    if (auto* state = find(window)) {
        state->enterMovesFocus = on;
    }
}

void FakeToolkit::hookWindowProcedure(const WindowLayout& window, toolkit::MessageObserver observer) {
    record({"hookWindowProcedure", window.title});
    if (auto* state = find(window)) {
        state->hook = std::move(observer);
    }
}

// Controls.

toolkit::Text FakeToolkit::text(const WindowLayout& window, std::string_view control) {
    const auto* state = find(window);
    return state ? valueOr(state->texts, control, Text{}) : Text{};
}

void FakeToolkit::setText(const WindowLayout& window, std::string_view control, const Text& text) {
    record({"setText", control, text});
    if (auto* state = find(window)) {
        state->texts.insert_or_assign(std::string{control}, text);
    }
}

bool FakeToolkit::checked(const WindowLayout& window, std::string_view checkBox) {
    const auto* state = find(window);
    return state && valueOr(state->checks, checkBox, false);
}

void FakeToolkit::setChecked(const WindowLayout& window, std::string_view checkBox, bool checked) {
    record({"setChecked", checkBox, flag(checked)});
    if (auto* state = find(window)) {
        state->checks.insert_or_assign(std::string{checkBox}, checked);
    }
}

void FakeToolkit::setSelectedLength(const WindowLayout& window, std::string_view editBox, int length) {
    record({"setSelectedLength", editBox, std::to_string(length)});
    if (auto* state = find(window)) {
        state->selectedLengths.insert_or_assign(std::string{editBox}, length);
    }
}

void FakeToolkit::setTimerPeriod(const WindowLayout& window, std::string_view timer, int milliseconds) {
    record({"setTimerPeriod", timer, std::to_string(milliseconds)});
    if (auto* state = find(window)) {
        state->timerPeriods.insert_or_assign(std::string{timer}, milliseconds);
    }
}

void FakeToolkit::setFocus(const WindowLayout& window, std::string_view control) {
    record({"setFocus", control});
    if (auto* state = find(window)) {
        state->focus = control;
    }
}

bool FakeToolkit::menuChecked(const WindowLayout& window, std::string_view caption) {
    const auto* state = find(window);
    return state && valueOr(state->menuChecks, caption, false);
}

void FakeToolkit::setMenuChecked(const WindowLayout& window, std::string_view caption, bool checked) {
    record({"setMenuChecked", caption, flag(checked)});
    if (auto* state = find(window)) {
        state->menuChecks.insert_or_assign(std::string{caption}, checked);
    }
}

// Operations.

int FakeToolkit::messageBox(const Text& text, unsigned flags, const std::optional<Text>& title) {
    std::string line = call({"messageBox", text, "flags=" + hex(flags)});
    if (title) {
        line += " title=" + *title;
    }
    calls.push_back(std::move(line));
    messageBoxes.push_back({text, flags, title});
    return messageBoxAnswer;
}

bool FakeToolkit::setControlSkin(int scheme) {
    record({"setControlSkin", std::to_string(scheme)});
    controlSkin = scheme;
    return true;
}

bool FakeToolkit::loadWindow(const WindowLayout& window, const WindowLayout* parent, bool asDialog) {
    std::string line = call({"loadWindow", window.title});
    if (parent) {
        line += " parent=";
        line += parent->title;
    }
    if (asDialog) {
        line += " dialog";
    }
    calls.push_back(std::move(line));
    if (failingLoads.contains(&window)) {
        return false;
    }
    if (auto* state = find(window)) {
        // Already loaded: restored when minimised, else only activated.
        if (effective(state->positionState) == toolkit::position::minimised) {
            state->visible = true;
            state->positionState = toolkit::position::normal;
            raiseSizeChanged(window);
        }
        return true;
    }
    markLoaded(window);
    find(window)->visible = false;
    raiseCreated(window);
    raiseMoved(window);
    raiseSizeChanged(window);
    if (auto* state = find(window)) {
        state->visible = window.visible;
    }
    if (asDialog && isLoaded(window)) {
        disableOthersFor(window);
        if (const auto script = duringModal.find(&window); script != duringModal.end()) {
            const std::function<void()> action = script->second;
            action();
        }
    }
    return true;
}

void FakeToolkit::disableOthersFor(const WindowLayout& dialog) {
    auto& disabled = find(dialog)->disabled;
    for (auto& [layout, state] : loaded_) {
        if (layout != &dialog) {
            disabled.insert_or_assign(layout, state.enabled);
            state.enabled = false;
        }
    }
}

void FakeToolkit::restoreDisabledBy(const WindowLayout& dialog) {
    for (const auto& [layout, wasEnabled] : find(dialog)->disabled) {
        if (auto* state = find(*layout)) {
            state->enabled = wasEnabled;
        }
    }
}

void FakeToolkit::destroyWindow(const WindowLayout& window) {
    record({"destroyWindow", window.title});
    if (!isLoaded(window)) {
        return;
    }
    restoreDisabledBy(window);
    raiseDestroyed(window);
    loaded_.erase(&window);
    if (loaded_.empty()) {
        quitPosted = true;
    }
}

void FakeToolkit::endProgram(int exitCode) {
    record({"endProgram", std::to_string(exitCode)});
    throw ProgramEnded{exitCode};
}

} // namespace tavmoor::fakes
