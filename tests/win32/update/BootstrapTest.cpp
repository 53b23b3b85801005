#include "update/Bootstrap.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "win32/UniqueHandle.h"

namespace vitrex::update {
namespace {

using Clock = std::chrono::steady_clock;

std::wstring UniqueName(const wchar_t* what) {
    static int counter = 0;
    return std::wstring(L"VitrexBootstrapTest-") + what + L"-" + std::to_wstring(GetCurrentProcessId()) +
           L"-" + std::to_wstring(++counter);
}

long long MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

// A thread that takes the mutex as a running Vitrex does and ends after `holdMs` without
// releasing it, as the program's process ends.
class Holder {
public:
    Holder(const std::wstring& name, DWORD holdMs) {
        win32::UniqueHandle taken(CreateEventW(nullptr, TRUE, FALSE, nullptr));
        thread_ = std::thread([&, holdMs] {
            HANDLE mutex = CreateMutexW(nullptr, TRUE, name.c_str());
            SetEvent(taken.Get());
            Sleep(holdMs);
            CloseHandle(mutex);
        });
        WaitForSingleObject(taken.Get(), 5000);
    }
    ~Holder() { thread_.join(); }
    Holder(const Holder&) = delete;
    Holder& operator=(const Holder&) = delete;

private:
    std::thread thread_;
};

TEST(WaitForMutexToGo, ReturnsOnceTheHolderEndsAndNotBefore) {
    EXPECT_TRUE(WaitForMutexToGo(UniqueName(L"none").c_str(), 0)) << "no instance runs";

    const std::wstring name = UniqueName(L"ends");
    const Holder holder(name, 400);
    const Clock::time_point start = Clock::now();
    EXPECT_TRUE(WaitForMutexToGo(name.c_str(), 10000));
    const long long waited = MillisecondsSince(start);
    EXPECT_GE(waited, 300);
    EXPECT_LT(waited, 5000);
}

TEST(WaitForMutexToGo, GivesUpAtTheLimitWhileTheHolderRuns) {
    const std::wstring name = UniqueName(L"hangs");
    const Holder holder(name, 1500);
    const Clock::time_point start = Clock::now();
    EXPECT_FALSE(WaitForMutexToGo(name.c_str(), 300));
    const long long waited = MillisecondsSince(start);
    EXPECT_GE(waited, 250);
    EXPECT_LT(waited, 1400);
}

TEST(WaitForMutexToGo, AMutexOpenElsewhereButHeldByNoOneIsGone) {
    // A second start of the program, say, that has the name open without holding it.
    const std::wstring name = UniqueName(L"open");
    win32::UniqueHandle open(CreateMutexW(nullptr, FALSE, name.c_str()));
    ASSERT_TRUE(open);
    const Clock::time_point start = Clock::now();
    EXPECT_TRUE(WaitForMutexToGo(name.c_str(), 5000));
    EXPECT_LT(MillisecondsSince(start), 1000);
    EXPECT_EQ(WaitForSingleObject(open.Get(), 0), WAIT_OBJECT_0) << "left free for the next instance";
    ReleaseMutex(open.Get());
}

class WriteWholeFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH + 1] = {};
        GetTempPathW(MAX_PATH + 1, temp);
        path_ = std::wstring(temp) + UniqueName(L"file") + L".msi";
    }
    void TearDown() override { DeleteFileW(path_.c_str()); }

    std::string Read() const {
        win32::UniqueFileHandle file(
            CreateFileW(path_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
        if (!file) return "(missing)";
        std::string content(GetFileSize(file.Get(), nullptr), '\0');
        DWORD read = 0;
        if (!content.empty())
            ReadFile(file.Get(), content.data(), static_cast<DWORD>(content.size()), &read, nullptr);
        content.resize(read);
        return content;
    }
    bool Put(const std::string& text) const {
        return WriteWholeFile(path_, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
    }

    std::wstring path_;
};

TEST_F(WriteWholeFileTest, ReplacesAnEarlierFileWithExactlyTheBytes) {
    ASSERT_TRUE(Put(std::string(5 << 20, 'x')));
    // Larger than one write, with every byte value, and shorter than what was there.
    std::string package(3 * (1 << 20) + 17, '\0');
    for (std::size_t i = 0; i < package.size(); ++i)
        package[i] = static_cast<char>(i * 7 % 256);
    ASSERT_TRUE(Put(package));
    EXPECT_TRUE(Read() == package) << "read back " << Read().size() << " bytes";

    ASSERT_TRUE(Put(""));
    EXPECT_EQ(Read(), "") << "an empty file, not the old one";
}

TEST_F(WriteWholeFileTest, FailsWithoutAFileWhereNoneCanBeMade) {
    const std::wstring inMissingFolder = path_ + L".missing\\update.msi";
    EXPECT_FALSE(WriteWholeFile(inMissingFolder, {}));
    EXPECT_EQ(GetFileAttributesW(inMissingFolder.c_str()), INVALID_FILE_ATTRIBUTES);

    // A file that another program holds open is left as it is.
    ASSERT_TRUE(Put("held"));
    {
        win32::UniqueFileHandle held(
            CreateFileW(path_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(held);
        EXPECT_FALSE(Put("new"));
    }
    EXPECT_EQ(Read(), "held");
}

}  // namespace
}  // namespace vitrex::update
