// Binds every handler of the program to the toolkit's windows.
#pragma once

#include "shell/program_state.h"
#include "system/services.h"
#include "toolkit/toolkit.h"

namespace tavmoor::shell {

void bindProgram(toolkit::Toolkit& ui, system::Services& services, ProgramState& state);

} // namespace tavmoor::shell
