// Shows both windows of Tavmoor side by side, as the program builds them,
// for the README's screenshot (tools/screenshot.sh). The main window is the
// program's own, with its handlers and its settings files; the reminder is
// loaded beside it without its countdown.
#include "layouts/layouts.h"
#include "shell/program.h"
#include "system/services_win32.h"
#include "toolkit/win32/win32_toolkit.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    using namespace tavmoor;
    toolkit::win32::Win32Toolkit ui(instance);
    system::Win32Services services(ui.executablePath().directory);
    shell::ProgramState state;
    shell::bindProgram(ui, services, state);
    if (!ui.loadWindow(layouts::mainWindow(), nullptr, false) ||
        !ui.loadWindow(layouts::reminderWindow(), nullptr, false)) {
        return 1;
    }
    ui.setVisible(layouts::mainWindow(), true);
    const HWND main = ui.windowHandle(layouts::mainWindow());
    const HWND reminder = ui.windowHandle(layouts::reminderWindow());
    SetWindowPos(main, nullptr, 330, 280, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SetWindowPos(reminder, nullptr, 545, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SetForegroundWindow(main);
    return ui.run();
}
