#include "fakes/fake_services.h"

namespace tavmoor::fakes {

std::string FakeServices::readFileBeside(std::string_view name) {
    const auto found = files.find(name);
    return found == files.end() ? std::string{} : found->second;
}

bool FakeServices::replaceFileBeside(std::string_view name, std::string_view bytes) {
    if (failWrites) {
        return false;
    }
    files.insert_or_assign(std::string{name}, std::string{bytes});
    return true;
}

} // namespace tavmoor::fakes
