// The system services the program's handlers use besides the toolkit: files
// beside the executable (and, as the program grows, local time, the registry
// and power requests). One Win32 implementation; tests use a double.
#pragma once

#include <string>
#include <string_view>

namespace tavmoor::system {

class Services {
public:
    virtual ~Services() = default;

    // The whole content of the file `name` in the executable's directory, as
    // bytes. Empty when the file is missing, cannot be read, or is empty.
    virtual std::string readFileBeside(std::string_view name) = 0;

    // Replaces the file `name` in the executable's directory with `bytes`.
    // Either the new content is stored whole, or the old file stays as it
    // was; true when the new content is stored.
    virtual bool replaceFileBeside(std::string_view name, std::string_view bytes) = 0;
};

} // namespace tavmoor::system
