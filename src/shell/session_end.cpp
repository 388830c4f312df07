#include "shell/session_end.h"

#include "layouts/layouts.h"

namespace tavmoor::shell {

void sessionEndHook(ProgramState& state, unsigned message) {
    if (message == toolkit::kWmQueryEndSession) {
        state.sessionEnding = 1;
    }
}

bool mainWindowCloseQuery(toolkit::Toolkit& ui, const ProgramState& state) {
    if (state.sessionEnding == 1) {
        return true;
    }
    ui.setPositionState(layouts::mainWindow(), toolkit::position::minimised);
    return false;
}

} // namespace tavmoor::shell
