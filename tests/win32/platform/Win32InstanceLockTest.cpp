#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <string>
#include <thread>

#include "win32/UniqueHandle.h"
#include "win32/platform/Win32HotKeys.h"

namespace vitrex::win32 {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

std::string UniqueName() {
    static int counter = 0;
    return "VitrexInstanceLockTest-" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(++counter);
}

// The running instance: a thread that takes the lock and ends after `runMs`, as the program's
// process does, without giving it back.
class RunningInstance {
public:
    RunningInstance(const std::string& name, DWORD runMs) {
        UniqueHandle started(CreateEventW(nullptr, TRUE, FALSE, nullptr));
        thread_ = std::thread([&, runMs] {
            Win32InstanceLock lock;
            firstStart_ = !lock.AcquireOrDetectOther(name);
            SetEvent(started.Get());
            Sleep(runMs);
        });
        WaitForSingleObject(started.Get(), 5000);
    }
    ~RunningInstance() { thread_.join(); }
    RunningInstance(const RunningInstance&) = delete;
    RunningInstance& operator=(const RunningInstance&) = delete;
    bool FirstStart() const { return firstStart_; }

private:
    std::thread thread_;
    bool firstStart_ = false;
};

TEST(Win32InstanceLock, ASecondStartWaitsForTheInstanceToEndAndThenLetsTheNameGo) {
    const std::string name = UniqueName();
    {
        const RunningInstance instance(name, 400);
        ASSERT_TRUE(instance.FirstStart());
        Win32InstanceLock second;
        ASSERT_TRUE(second.AcquireOrDetectOther(name));
        const Clock::time_point start = Clock::now();
        EXPECT_TRUE(second.WaitForOtherToEnd(10s));
        const auto waited = Clock::now() - start;
        EXPECT_GE(waited, 300ms);
        EXPECT_LT(waited, 5s);
        Win32InstanceLock next;
        EXPECT_FALSE(next.AcquireOrDetectOther(name)) << "a start after the wait is a first start";
    }
}

TEST(Win32InstanceLock, TheWaitEndsAtItsLimitWhileTheInstanceRuns) {
    const std::string name = UniqueName();
    const RunningInstance instance(name, 1500);
    Win32InstanceLock second;
    ASSERT_TRUE(second.AcquireOrDetectOther(name));
    const Clock::time_point start = Clock::now();
    EXPECT_FALSE(second.WaitForOtherToEnd(300ms));
    const auto waited = Clock::now() - start;
    EXPECT_GE(waited, 250ms);
    EXPECT_LT(waited, 1400ms);
}

}  // namespace
}  // namespace vitrex::win32
