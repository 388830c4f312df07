#include "running_tavmoor.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <thread>

namespace tavmoor::blackbox {
namespace fs = std::filesystem;
using namespace std::chrono_literals;

fs::path builtExecutable() {
    const char* value = std::getenv("TAVMOOR_EXE");
    std::string path = value ? value : "Tavmoor.exe";
    if (!path.empty() && path.front() == '/') {
        for (char& c : path) {
            c = c == '/' ? '\\' : c;
        }
        path = "Z:" + path;
    }
    return fs::path(path);
}

TempFolder::TempFolder(const std::wstring& nameHint) {
    static int counter = 0;
    path_ = fs::temp_directory_path() /
            (nameHint + L" " + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter));
    fs::remove_all(path_);
    fs::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

void TempFolder::write(const std::wstring& name, const std::string& bytes) const {
    std::ofstream out(path_ / name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::optional<std::string> TempFolder::read(const std::wstring& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

RunningTavmoor::RunningTavmoor(const fs::path& folder) {
    const fs::path exe = folder / L"Tavmoor.exe";
    fs::copy_file(builtExecutable(), exe, fs::copy_options::overwrite_existing);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    std::wstring commandLine = L"\"" + exe.wstring() + L"\"";
    // Started from another folder: the program must make its own folder current.
    CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                   fs::temp_directory_path().c_str(), &startup, &process_);
}

RunningTavmoor::~RunningTavmoor() {
    if (process_.hProcess != nullptr) {
        if (running()) {
            TerminateProcess(process_.hProcess, 1);
            WaitForSingleObject(process_.hProcess, 10000);
        }
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
}

namespace {

struct Search {
    DWORD processId;
    HWND found = nullptr;
};

BOOL CALLBACK findMain(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && classOf(window) == L"TavmoorWindow" && textOf(window) == L"Tavmoor") {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

HWND RunningTavmoor::mainWindow(std::chrono::milliseconds timeout) {
    const auto until = std::chrono::steady_clock::now() + timeout;
    while (main_ == nullptr && process_.hProcess != nullptr && std::chrono::steady_clock::now() < until) {
        Search search{process_.dwProcessId};
        EnumWindows(findMain, reinterpret_cast<LPARAM>(&search));
        main_ = search.found;
        if (main_ == nullptr) {
            pause(50ms);
        }
    }
    if (main_ != nullptr && threadId_ == 0) {
        threadId_ = GetWindowThreadProcessId(main_, nullptr);
        // The window exists before its created handler has run; the program
        // is ready once its message loop waits for input.
        WaitForInputIdle(process_.hProcess, 10000);
    }
    return main_;
}

std::vector<HWND> RunningTavmoor::children() {
    std::vector<HWND> found;
    EnumChildWindows(mainWindow(), [](HWND child, LPARAM param) {
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(child);
        return TRUE;
    }, reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND RunningTavmoor::child(const std::wstring& text) {
    for (HWND window : children()) {
        if (textOf(window) == text) {
            return window;
        }
    }
    return nullptr;
}

bool RunningTavmoor::running() const {
    return process_.hProcess != nullptr && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> RunningTavmoor::waitForExit(std::chrono::milliseconds timeout) {
    const auto until = std::chrono::steady_clock::now() + timeout;
    while (running() && std::chrono::steady_clock::now() < until) {
        pause(50ms);
    }
    DWORD code = 0;
    if (running() || !GetExitCodeProcess(process_.hProcess, &code)) {
        return std::nullopt;
    }
    return code;
}

std::wstring textOf(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length)) {
        return {};
    }
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, 5000, &copied);
    text.resize(copied);
    return text;
}

std::wstring classOf(HWND window) {
    wchar_t name[128]{};
    GetClassNameW(window, name, 128);
    return name;
}

void pause(std::chrono::milliseconds duration) {
    const auto until = std::chrono::steady_clock::now() + duration;
    while (std::chrono::steady_clock::now() < until) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        std::this_thread::sleep_for(10ms);
    }
}

} // namespace tavmoor::blackbox
