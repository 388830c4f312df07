// Tavmoor.exe started the way a user starts it: a copy of the executable in
// a folder of its own (so its settings files are the test's), its main
// window found by class and title within its process.
#pragma once

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tavmoor::blackbox {

// The built executable, from TAVMOOR_EXE (a Linux path is mapped to Z:).
std::filesystem::path builtExecutable();

// A fresh, empty folder under the temporary folder; removed with the object.
class TempFolder {
public:
    explicit TempFolder(const std::wstring& nameHint = L"tavmoor test");
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder();
    const std::filesystem::path& path() const { return path_; }
    void write(const std::wstring& name, const std::string& bytes) const;
    std::optional<std::string> read(const std::wstring& name) const;

private:
    std::filesystem::path path_;
};

class RunningTavmoor {
public:
    // Copies the executable into `folder` and starts it there.
    explicit RunningTavmoor(const std::filesystem::path& folder);
    RunningTavmoor(const RunningTavmoor&) = delete;
    RunningTavmoor& operator=(const RunningTavmoor&) = delete;
    // Ends the process if it still runs.
    ~RunningTavmoor();

    // The main window, once it exists (waits a bounded time); null if none.
    HWND mainWindow(std::chrono::milliseconds timeout = std::chrono::seconds(30));
    // A control of the main window by its window text (wide).
    HWND child(const std::wstring& text);
    // The child windows of the main window (and of its group boxes), in Z order.
    std::vector<HWND> children();
    DWORD threadId() const { return threadId_; }

    bool running() const;
    // The exit code once the process has ended within the timeout.
    std::optional<DWORD> waitForExit(std::chrono::milliseconds timeout);

private:
    PROCESS_INFORMATION process_{};
    DWORD threadId_ = 0;
    HWND main_ = nullptr;
};

// Window text read with WM_GETTEXT, which works across processes for every
// kind of control (GetWindowText does not read another process's edit box).
std::wstring textOf(HWND window);
std::wstring classOf(HWND window);

// Pumps this thread's messages for a while (the test process owns windows of
// its own only in a few tests; sleeping would stall them).
void pause(std::chrono::milliseconds duration);

} // namespace tavmoor::blackbox
