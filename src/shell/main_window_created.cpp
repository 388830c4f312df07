#include "shell/main_window_created.h"

#include "layouts/layouts.h"
#include "schedule/time_settings.h"
#include "shell/session_end.h"

namespace tavmoor::shell {

// Each step runs whatever the one before it did; none is reported.
void mainWindowCreated(toolkit::Toolkit& ui, system::Services& services, ProgramState& state) {
    const auto& main = layouts::mainWindow();
    constexpr int kSkinScheme = 3;
    ui.setControlSkin(kSkinScheme);
    ui.hookWindowProcedure(main, [&state](unsigned message) { sessionEndHook(state, message); });
    ui.setEnterMovesFocus(main, true);
    schedule::loadShutdownTime(ui, services);
    // The clock label is filled here once the clock exists.
    state.reminderShown = false;
    // The autostart marks and the tray icon are put up here once they exist.
}

} // namespace tavmoor::shell
