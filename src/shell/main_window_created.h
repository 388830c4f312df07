// What the main window does once, when it has been created.
#pragma once

#include "shell/program_state.h"
#include "system/services.h"
#include "toolkit/toolkit.h"

namespace tavmoor::shell {

void mainWindowCreated(toolkit::Toolkit& ui, system::Services& services, ProgramState& state);

} // namespace tavmoor::shell
