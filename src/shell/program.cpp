#include "shell/program.h"

#include "layouts/layouts.h"
#include "schedule/time_settings.h"
#include "shell/main_window_created.h"
#include "shell/session_end.h"

namespace tavmoor::shell {

void bindProgram(toolkit::Toolkit& ui, system::Services& services, ProgramState& state) {
    const auto& main = layouts::mainWindow();
    ui.onCreated(main, [&ui, &services, &state] { mainWindowCreated(ui, services, state); });
    ui.onCloseQuery(main, [&ui, &state] { return mainWindowCloseQuery(ui, state); });
    schedule::bindTimeSettings(ui, services);
}

} // namespace tavmoor::shell
