#include "system/services_win32.h"

#include "toolkit/win32/handle.h"
#include "toolkit/win32/text.h"

#include <windows.h>

#include <algorithm>
#include <utility>

namespace tavmoor::system {
namespace {

void closeHandle(HANDLE handle) { CloseHandle(handle); }
using UniqueFile = toolkit::win32::Unique<HANDLE, closeHandle>;

// CreateFileW reports failure as INVALID_HANDLE_VALUE, which the owner must
// not close: it becomes an empty owner here.
UniqueFile openFile(const std::wstring& path, DWORD access, DWORD sharing, DWORD disposition) {
    const HANDLE file = CreateFileW(path.c_str(), access, sharing, nullptr, disposition,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    return UniqueFile{file == INVALID_HANDLE_VALUE ? nullptr : file};
}

// Reads until the end of the file or `limit` bytes; empty on a read error.
std::string readAtMost(HANDLE file, std::size_t limit) {
    std::string bytes(limit, '\0');
    std::size_t filled = 0;
    while (filled < limit) {
        DWORD read = 0;
        if (!ReadFile(file, bytes.data() + filled, static_cast<DWORD>(limit - filled), &read, nullptr)) {
            return {};
        }
        if (read == 0) {
            break;
        }
        filled += read;
    }
    bytes.resize(filled);
    return bytes;
}

bool writeAll(HANDLE file, std::string_view bytes) {
    constexpr std::size_t kChunk = 1 << 20;
    while (!bytes.empty()) {
        DWORD written = 0;
        const auto size = static_cast<DWORD>(std::min(bytes.size(), kChunk));
        if (!WriteFile(file, bytes.data(), size, &written, nullptr) || written == 0) {
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

// Beside the target, so that the rename stays within one directory of one
// volume and replaces the target in one step; the process id keeps two
// running copies of the program from sharing a temporary file.
std::wstring temporaryPathFor(const std::wstring& target) {
    return target + L"." + std::to_wstring(GetCurrentProcessId()) + L".tmp";
}

// The new content, complete and on disk, before it takes the target's name.
// The file is closed on return, as the rename needs.
bool writeTemporary(const std::wstring& path, std::string_view bytes) {
    const UniqueFile file = openFile(path, GENERIC_WRITE, 0, CREATE_ALWAYS);
    return file && writeAll(file.get(), bytes) && FlushFileBuffers(file.get());
}

} // namespace

Win32Services::Win32Services(std::wstring directory) : directory_(std::move(directory)) {}

std::wstring Win32Services::pathOf(std::string_view name) const {
    return directory_ + L'\\' + toolkit::win32::toWide(name);
}

std::string Win32Services::readFileBeside(std::string_view name) {
    // Sharing read and write: a file another program holds open is still read.
    const UniqueFile file = openFile(pathOf(name), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                     OPEN_EXISTING);
    return file ? readAtMost(file.get(), kReadLimit) : std::string{};
}

bool Win32Services::replaceFileBeside(std::string_view name, std::string_view bytes) {
    const std::wstring target = pathOf(name);
    const std::wstring temporary = temporaryPathFor(target);
    if (writeTemporary(temporary, bytes) &&
        MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return true;
    }
    DeleteFileW(temporary.c_str());
    return false;
}

} // namespace tavmoor::system
