#include "shell/application_win32.h"

#include "layouts/layouts.h"
#include "shell/program.h"

namespace tavmoor::shell {

// The toolkit comes first: it records the executable's directory, which the
// services build every file path from.
Application::Application(HINSTANCE instance)
    : ui_(instance), services_(ui_.executablePath().directory) {
    bindProgram(ui_, services_, state_);
}

bool Application::start() { return ui_.loadWindow(layouts::mainWindow(), nullptr, false); }

} // namespace tavmoor::shell
