// Binds the shutdown time's handlers to the main window.
#include "schedule/time_settings.h"

#include "layouts/gbk_texts.h"
#include "layouts/layouts.h"

namespace tavmoor::schedule {

void bindTimeSettings(toolkit::Toolkit& toolkit, system::Services& services) {
    const auto& window = layouts::mainWindow();
    toolkit.onClicked(window, gbk::按钮1, [&toolkit, &services] { saveShutdownTime(toolkit, services); });
    toolkit.onLostFocus(window, gbk::编辑框1, [&toolkit] { checkHour(toolkit); });
    toolkit.onLostFocus(window, gbk::编辑框2, [&toolkit] { checkMinute(toolkit); });
}

} // namespace tavmoor::schedule
