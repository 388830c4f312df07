// Shows both windows of Tavmoor side by side, as the program builds them,
// for the README's screenshot (tools/screenshot.sh). The main window is the
// program's own, with its handlers and its settings files; the reminder is
// loaded beside it without its countdown.
#include "layouts/layouts.h"
#include "shell/application_win32.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    using namespace tavmoor;
    shell::Application application(instance);
    auto& ui = application.ui();
    if (!application.start() || !ui.loadWindow(layouts::reminderWindow(), nullptr, false)) {
        return 1;
    }
    ui.setVisible(layouts::mainWindow(), true);
    const HWND main = ui.windowHandle(layouts::mainWindow());
    SetWindowPos(main, nullptr, 330, 280, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SetWindowPos(ui.windowHandle(layouts::reminderWindow()), nullptr, 545, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SetForegroundWindow(main);
    return ui.run();
}
