// The shutdown time as a user meets it in Tavmoor.exe: the fields come from
// 1.txt and 2.txt beside the executable, the save button writes them back,
// and leaving a field with an hour of 24 or more, or a minute of 60 or
// more, brings up "时间设置错误！".
#include "running_tavmoor.h"

#include <gtest/gtest.h>

namespace tavmoor::blackbox {
namespace {
using namespace std::chrono_literals;

// Control identifiers are the layout index plus one.
constexpr int kSaveButton = 4;  // 按钮1
constexpr int kMinuteField = 5; // 编辑框2
constexpr int kHourField = 6;   // 编辑框1

void clickSave(HWND main) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(main, WM_COMMAND, MAKEWPARAM(kSaveButton, BN_CLICKED),
                        reinterpret_cast<LPARAM>(GetDlgItem(main, kSaveButton)), SMTO_ABORTIFHUNG, 5000, &ignored);
}

class Settings : public testing::Test {
protected:
    void start() {
        tavmoor.emplace(folder.path());
        main = tavmoor->mainWindow();
        ASSERT_NE(main, nullptr);
        hour = GetDlgItem(main, kHourField);
        minute = GetDlgItem(main, kMinuteField);
        ASSERT_NE(hour, nullptr);
        ASSERT_NE(minute, nullptr);
    }

    // The click's notification, sent: it returns once the save has run.
    void save() { clickSave(main); }

    void setText(HWND field, const std::wstring& text) {
        SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }

    // Shows the main window and walks the focus with Tab, as a user would.
    void showAndActivate() {
        ShowWindow(main, SW_SHOWNORMAL);
        SetForegroundWindow(main);
        pause(300ms);
    }
    HWND focus() {
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        GetGUIThreadInfo(tavmoor->threadId(), &info);
        return info.hwndFocus;
    }
    void tab() {
        PostMessageW(focus(), WM_KEYDOWN, VK_TAB, 1);
        pause(200ms);
    }

    // The program's message box, once it is up.
    HWND messageBox(std::chrono::milliseconds timeout = 5s) {
        const auto until = std::chrono::steady_clock::now() + timeout;
        while (std::chrono::steady_clock::now() < until) {
            HWND box = FindWindowW(L"#32770", L"信息：");
            if (box != nullptr && GetWindowThreadProcessId(box, nullptr) == tavmoor->threadId()) {
                return box;
            }
            pause(50ms);
        }
        return nullptr;
    }

    TempFolder folder;
    std::optional<RunningTavmoor> tavmoor;
    HWND main = nullptr;
    HWND hour = nullptr;
    HWND minute = nullptr;
};

TEST_F(Settings, TheFieldsShowTheStoredBytesAsTheyStand) {
    folder.write(L"1.txt", "07");
    folder.write(L"2.txt", std::string("05\0junk", 7));
    start();
    EXPECT_EQ(textOf(hour), L"07") << "no conversion to a number: 07 stays 07";
    EXPECT_EQ(textOf(minute), L"05") << "a zero byte ends the text";
}

TEST(SettingsFolder, AFolderNameOutsideGbkStillFindsAndWritesTheFiles) {
    TempFolder folder(L"tavmoor \ud55c\uae00 \U0001F600"); // Korean and an emoji: no GBK form
    folder.write(L"1.txt", "21");
    folder.write(L"2.txt", "45");
    RunningTavmoor tavmoor(folder.path());
    const HWND main = tavmoor.mainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(textOf(GetDlgItem(main, kHourField)), L"21");
    SendMessageW(GetDlgItem(main, kMinuteField), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"46"));
    clickSave(main);
    EXPECT_EQ(folder.read(L"2.txt"), std::optional<std::string>("46"));
}

TEST_F(Settings, MissingOrHugeFilesGiveAStartAndDefinedFields) {
    folder.write(L"2.txt", std::string(8 * 1024 * 1024, '7'));
    start();
    EXPECT_EQ(textOf(hour), L"");
    EXPECT_EQ(textOf(minute).size(), 64u * 1024u) << "only the first 64 KiB of a file are read";
    EXPECT_TRUE(tavmoor->running());
}

TEST_F(Settings, SaveWritesBothFieldsAsTheirGbkBytesWithNoCheck) {
    folder.write(L"1.txt", "22");
    folder.write(L"2.txt", "30");
    start();
    setText(hour, L"２４");
    setText(minute, L"");
    save();
    EXPECT_EQ(folder.read(L"1.txt"), std::optional<std::string>("\xa3\xb2\xa3\xb4"));
    EXPECT_EQ(folder.read(L"2.txt"), std::optional<std::string>(""));
    EXPECT_EQ(messageBox(300ms), nullptr) << "saving shows nothing";
}

TEST_F(Settings, AnUntouchedFieldIsSavedBackByteForByte) {
    folder.write(L"1.txt", "12\r\n");
    folder.write(L"2.txt", "\xfe\xfe");
    start();
    save();
    EXPECT_EQ(folder.read(L"1.txt"), std::optional<std::string>("12\r\n"));
    EXPECT_EQ(folder.read(L"2.txt"), std::optional<std::string>("\xfe\xfe"));
}

TEST_F(Settings, LeavingAnHourOf24OrMoreShowsTheErrorAndSelectsTheEntry) {
    start();
    showAndActivate();
    setText(hour, L"24.0");
    tab(); // from the check box, which has the focus first, to the hour
    ASSERT_EQ(focus(), hour);
    tab(); // leaving the hour runs its check

    const HWND box = messageBox();
    ASSERT_NE(box, nullptr) << "no message box titled 信息：";
    bool text = false;
    bool icon = false;
    int buttons = 0;
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        const std::wstring cls = classOf(child);
        text = text || (cls == L"Static" && textOf(child) == L"时间设置错误！");
        icon = icon || (cls == L"Static" && (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON);
        buttons += cls == L"Button" && IsWindowVisible(child) ? 1 : 0;
    }
    EXPECT_TRUE(text);
    EXPECT_TRUE(icon);
    EXPECT_EQ(buttons, 1);
    EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr) << "no owner";
    EXPECT_FALSE(IsWindowEnabled(main)) << "task-modal";

    PostMessageW(box, WM_COMMAND, IDOK, 0);
    pause(500ms);
    EXPECT_FALSE(IsWindow(box));
    EXPECT_EQ(focus(), hour) << "the focus is back in the hour field";
    const auto selection = static_cast<DWORD>(SendMessageW(hour, EM_GETSEL, 0, 0));
    EXPECT_EQ(LOWORD(selection), 0);
    EXPECT_EQ(HIWORD(selection), 3) << "its first three characters are selected";
    EXPECT_EQ(textOf(hour), L"24.0") << "the text stays as typed";

    save();
    EXPECT_EQ(folder.read(L"1.txt"), std::optional<std::string>("24.0")) << "a rejected value can still be saved";
}

TEST_F(Settings, TheMinuteIsCheckedAgainst60AndInRangeEntriesPassSilently) {
    start();
    showAndActivate();
    setText(hour, L"23.5");
    setText(minute, L"60");
    tab(); // to the hour
    tab(); // to the minute: 23.5 passes
    EXPECT_EQ(messageBox(500ms), nullptr);
    ASSERT_EQ(focus(), minute);
    tab(); // leaving 60
    const HWND box = messageBox();
    ASSERT_NE(box, nullptr);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    pause(500ms);
    EXPECT_EQ(focus(), minute);

    setText(minute, L"59");
    tab();
    EXPECT_EQ(messageBox(500ms), nullptr);
}

} // namespace
} // namespace tavmoor::blackbox
