// The system services over Win32: the settings files beside the executable.
#pragma once

#include "system/services.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace tavmoor::system {

class Win32Services final : public Services {
public:
    // A file beside the executable is read only this far. A time field needs
    // a few bytes; the bound keeps a huge or garbage file from stalling the
    // start or flooding an edit box. Reading stops there without an error.
    static constexpr std::size_t kReadLimit = 64 * 1024;

    // `directory`: the executable's directory, without a trailing backslash.
    explicit Win32Services(std::wstring directory);

    // At most kReadLimit bytes from the start of the file.
    std::string readFileBeside(std::string_view name) override;
    // Writes a temporary file beside the target, flushes it and renames it
    // over the target, so the target always holds either its old or its new
    // content whole. On failure the temporary file is removed.
    bool replaceFileBeside(std::string_view name, std::string_view bytes) override;

private:
    std::wstring pathOf(std::string_view name) const;

    std::wstring directory_;
};

} // namespace tavmoor::system
