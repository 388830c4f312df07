// Program entry: the toolkit records where the executable is, the main
// window is loaded hidden, and the message loop runs until the last window
// is gone.
#include "shell/application_win32.h"

#include <windows.h>

namespace {

// "主窗口无法创建，程序将退出。"
constexpr char kStartUpError[] =
    "\xd6\xf7\xb4\xb0\xbf\xda\xce\xde\xb7\xa8\xb4\xb4\xbd\xa8\xa3\xac\xb3\xcc\xd0\xf2\xbd\xab\xcd\xcb\xb3\xf6\xa1\xa3";
constexpr int kStartUpFailed = -1;

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    tavmoor::shell::Application application(instance);
    if (!application.start()) {
        application.ui().messageBox(kStartUpError, tavmoor::toolkit::box::iconError);
        return kStartUpFailed;
    }
    return application.ui().run();
}
