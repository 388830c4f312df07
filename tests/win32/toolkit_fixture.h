// A toolkit on this test's GUI thread, with a bounded message pump.
#pragma once

#include "toolkit/win32/win32_toolkit.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tavmoor::toolkit::win32::testing_support {

class ToolkitTest : public ::testing::Test {
protected:
    ToolkitTest() : ui(std::make_unique<Win32Toolkit>(GetModuleHandleW(nullptr))) {}

    // Dispatches messages through the toolkit until `done` holds or the time is up.
    bool pumpUntil(const std::function<bool()>& done,
                   std::chrono::milliseconds timeout = std::chrono::seconds(5)) {
        const auto until = std::chrono::steady_clock::now() + timeout;
        while (!done()) {
            if (std::chrono::steady_clock::now() >= until) {
                return false;
            }
            MSG message;
            if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                if (message.message == WM_QUIT) {
                    quitSeen = true;
                    continue;
                }
                ui->dispatch(message);
            } else {
                MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
            }
        }
        return true;
    }

    void pumpFor(std::chrono::milliseconds duration) {
        const auto until = std::chrono::steady_clock::now() + duration;
        pumpUntil([&] { return std::chrono::steady_clock::now() >= until; }, duration + std::chrono::seconds(1));
    }

    // Sends a key press to `target` through the toolkit's keyboard handling,
    // with Shift held or not.
    void pressKey(HWND target, WPARAM key, bool shift = false) {
        BYTE keys[256]{};
        GetKeyboardState(keys);
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(keys);
        MSG message{target, WM_KEYDOWN, key, 1, GetTickCount(), {}};
        ui->dispatch(message);
        keys[VK_SHIFT] = 0;
        SetKeyboardState(keys);
        pumpFor(std::chrono::milliseconds(20));
    }

    std::unique_ptr<Win32Toolkit> ui;
    bool quitSeen = false;
    std::vector<std::string> events;
};

// The child window of `parent` (at any depth) whose control identifier is
// `id`, for tests that look behind the toolkit.
inline HWND controlHandle(HWND window, int id) {
    struct Search {
        int id;
        HWND found;
    } search{id, nullptr};
    EnumChildWindows(window, [](HWND child, LPARAM param) {
        auto* s = reinterpret_cast<Search*>(param);
        if (GetDlgCtrlID(child) == s->id && s->found == nullptr) {
            s->found = child;
        }
        return TRUE;
    }, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace tavmoor::toolkit::win32::testing_support
