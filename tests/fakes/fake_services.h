// A test double of the system services: files live in a map.
#pragma once

#include "system/services.h"

#include <map>
#include <string>

namespace tavmoor::fakes {

class FakeServices : public system::Services {
public:
    std::string readFileBeside(std::string_view name) override;
    bool replaceFileBeside(std::string_view name, std::string_view bytes) override;

    std::map<std::string, std::string, std::less<>> files;
    bool failWrites = false;
};

} // namespace tavmoor::fakes
