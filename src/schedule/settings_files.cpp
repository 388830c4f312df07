// Loading and saving the shutdown time's two files.
#include "layouts/gbk_texts.h"
#include "layouts/layouts.h"
#include "schedule/time_settings.h"

#include <array>
#include <string_view>

namespace tavmoor::schedule {
namespace {

struct StoredField {
    std::string_view file;
    std::string_view field;
};

constexpr std::array kStoredFields{
    StoredField{"1.txt", gbk::编辑框1},
    StoredField{"2.txt", gbk::编辑框2},
};

// A field shows the file's bytes as they are, up to the first zero byte: no
// code-page conversion and no trimming, so "07" stays "07" and a line end
// someone added by hand stays in the text.
toolkit::Text textOf(const std::string& bytes) {
    return bytes.substr(0, bytes.find('\0'));
}

} // namespace

void loadShutdownTime(toolkit::Toolkit& toolkit, system::Services& services) {
    const auto& window = layouts::mainWindow();
    for (const auto& stored : kStoredFields) {
        toolkit.setText(window, stored.field, textOf(services.readFileBeside(stored.file)));
    }
}

void saveShutdownTime(toolkit::Toolkit& toolkit, system::Services& services) {
    const auto& window = layouts::mainWindow();
    for (const auto& stored : kStoredFields) {
        // A failed save is silent by design: the fields keep their texts and the
        // replacement never leaves a damaged file, so there is nothing to undo.
        services.replaceFileBeside(stored.file, toolkit.text(window, stored.field));
    }
}

} // namespace tavmoor::schedule
