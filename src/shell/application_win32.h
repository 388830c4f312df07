// The program assembled on Win32: the toolkit, the system services, the
// shared state and every handler bound.
#pragma once

#include "shell/program_state.h"
#include "system/services_win32.h"
#include "toolkit/win32/win32_toolkit.h"

#include <windows.h>

namespace tavmoor::shell {

class Application {
public:
    explicit Application(HINSTANCE instance);
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Loads the main window, hidden; false when it cannot be created.
    bool start();
    toolkit::win32::Win32Toolkit& ui() { return ui_; }

private:
    toolkit::win32::Win32Toolkit ui_;
    system::Win32Services services_;
    ProgramState state_;
};

} // namespace tavmoor::shell
