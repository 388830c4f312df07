// The settings files on a real file system: a fresh folder per test whose
// name holds spaces and characters outside GBK, so only wide paths reach it.
#include "system/services_win32.h"
#include "toolkit/win32/handle.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

namespace tavmoor::system {
namespace {

void closeHandle(HANDLE handle) { CloseHandle(handle); }
using UniqueFile = toolkit::win32::Unique<HANDLE, closeHandle>;

UniqueFile open(const std::wstring& path, DWORD access, DWORD sharing, DWORD disposition) {
    const HANDLE file = CreateFileW(path.c_str(), access, sharing, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    return UniqueFile{file == INVALID_HANDLE_VALUE ? nullptr : file};
}

// A folder name no earlier test in this process has used.
std::wstring freshFolderName() {
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, temp);
    static int count = 0;
    // "й" and an emoji have no GBK form; spaces must survive too.
    return std::wstring{temp} + L"tavmoor services \u0439 \U0001F600 " +
           std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++count);
}

class Win32ServicesFiles : public testing::Test {
protected:
    ~Win32ServicesFiles() override {
        for (const auto& name : entries()) {
            const std::wstring path = pathOf(name);
            if (!DeleteFileW(path.c_str())) {
                RemoveDirectoryW(path.c_str());
            }
        }
        RemoveDirectoryW(directory_.c_str());
    }

    void SetUp() override { ASSERT_TRUE(created_) << "no test folder"; }

    std::wstring pathOf(const std::wstring& name) const { return directory_ + L"\\" + name; }

    void store(const std::wstring& name, const std::string& bytes) {
        const UniqueFile file = open(pathOf(name), GENERIC_WRITE, 0, CREATE_ALWAYS);
        ASSERT_TRUE(file);
        DWORD written = 0;
        ASSERT_TRUE(WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
        ASSERT_EQ(written, bytes.size());
    }

    // The file's bytes, read through a plain wide path; "<missing>" when it cannot be opened.
    std::string contentOf(const std::wstring& name) const {
        const UniqueFile file = open(pathOf(name), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
        if (!file) {
            return "<missing>";
        }
        std::string bytes;
        char buffer[4096];
        DWORD read = 0;
        while (ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0) {
            bytes.append(buffer, read);
        }
        return bytes;
    }

    // Names in the folder, "." and ".." left out.
    std::vector<std::wstring> entries() const {
        std::vector<std::wstring> names;
        WIN32_FIND_DATAW found{};
        const HANDLE search = FindFirstFileW((directory_ + L"\\*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) {
            return names;
        }
        do {
            const std::wstring name = found.cFileName;
            if (name != L"." && name != L"..") {
                names.push_back(name);
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
        return names;
    }

    const std::wstring directory_ = freshFolderName();
    const bool created_ = CreateDirectoryW(directory_.c_str(), nullptr) != FALSE;
    Win32Services services_{directory_};
};

TEST_F(Win32ServicesFiles, SavedBytesAreStoredExactlyAndReadBack) {
    const std::vector<std::string> cases{"07", "12\r\n", "\xA3\xB2\xA3\xB4", " 7 ", std::string{"1\0" "2", 3}, ""};
    for (const auto& bytes : cases) {
        SCOPED_TRACE(bytes);
        ASSERT_TRUE(services_.replaceFileBeside("1.txt", bytes));
        EXPECT_EQ(contentOf(L"1.txt"), bytes);
        EXPECT_EQ(services_.readFileBeside("1.txt"), bytes);
    }
    EXPECT_EQ(entries(), std::vector<std::wstring>{L"1.txt"});
}

TEST_F(Win32ServicesFiles, ReplacingALongerFileLeavesNoTail) {
    store(L"2.txt", "123456\r\n");
    ASSERT_TRUE(services_.replaceFileBeside("2.txt", "5"));
    EXPECT_EQ(contentOf(L"2.txt"), "5");
}

TEST_F(Win32ServicesFiles, ReadsAFileAsStoredByHand) {
    store(L"1.txt", "12\r\n");
    EXPECT_EQ(services_.readFileBeside("1.txt"), "12\r\n");
}

TEST_F(Win32ServicesFiles, NamesAreGbk) {
    const std::string gbkName = "\xca\xb1\xbc\xe4.txt"; // 时间.txt
    ASSERT_TRUE(services_.replaceFileBeside(gbkName, "22"));
    EXPECT_EQ(contentOf(L"\u65f6\u95f4.txt"), "22");
    EXPECT_EQ(services_.readFileBeside(gbkName), "22");
}

TEST_F(Win32ServicesFiles, AMissingOrUnreadableFileReadsEmpty) {
    EXPECT_EQ(services_.readFileBeside("1.txt"), "");
    ASSERT_TRUE(CreateDirectoryW(pathOf(L"2.txt").c_str(), nullptr));
    EXPECT_EQ(services_.readFileBeside("2.txt"), "");
}

TEST_F(Win32ServicesFiles, AFileHeldOpenForWritingIsStillRead) {
    store(L"1.txt", "22");
    const UniqueFile writer = open(pathOf(L"1.txt"), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
    ASSERT_TRUE(writer);
    EXPECT_EQ(services_.readFileBeside("1.txt"), "22");
}

TEST_F(Win32ServicesFiles, AHugeFileIsReadOnlyUpToTheBound) {
    std::string huge(10 * 1024 * 1024, '7');
    huge[0] = '2';
    store(L"1.txt", huge);
    const auto start = std::chrono::steady_clock::now();
    const std::string read = services_.readFileBeside("1.txt");
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(read.size(), Win32Services::kReadLimit);
    EXPECT_EQ(read, huge.substr(0, Win32Services::kReadLimit));
    EXPECT_LT(elapsed, std::chrono::seconds(2));
}

TEST_F(Win32ServicesFiles, AFailedSaveKeepsTheOldFileAndLeavesNoTemporary) {
    store(L"1.txt", "22");
    {
        // Held open without delete sharing: the target cannot be replaced.
        const UniqueFile holder = open(pathOf(L"1.txt"), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
        ASSERT_TRUE(holder);
        EXPECT_FALSE(services_.replaceFileBeside("1.txt", "23"));
    }
    EXPECT_EQ(contentOf(L"1.txt"), "22");
    EXPECT_EQ(entries(), std::vector<std::wstring>{L"1.txt"});
}

TEST_F(Win32ServicesFiles, ASaveOverAFolderFailsAndLeavesNoTemporary) {
    ASSERT_TRUE(CreateDirectoryW(pathOf(L"2.txt").c_str(), nullptr));
    EXPECT_FALSE(services_.replaceFileBeside("2.txt", "30"));
    EXPECT_EQ(GetFileAttributesW(pathOf(L"2.txt").c_str()) & FILE_ATTRIBUTE_DIRECTORY, DWORD{FILE_ATTRIBUTE_DIRECTORY});
    EXPECT_EQ(entries(), std::vector<std::wstring>{L"2.txt"});
}

TEST_F(Win32ServicesFiles, ASaveIntoAMissingFolderFails) {
    Win32Services elsewhere{directory_ + L"\\missing"};
    EXPECT_FALSE(elsewhere.replaceFileBeside("1.txt", "22"));
    EXPECT_EQ(elsewhere.readFileBeside("1.txt"), "");
    EXPECT_TRUE(entries().empty());
}

} // namespace
} // namespace tavmoor::system
