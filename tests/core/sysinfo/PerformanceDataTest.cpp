#include <gtest/gtest.h>

#include <random>

#include "PerfBlock.h"
#include "core/sysinfo/PerformanceData.h"

namespace vitrex::sysinfo {
namespace {

using testing::PerfBlock;
using testing::PerfObject;
using testing::ProcessObject;
using testing::ThreadObject;

std::vector<std::string> Names(const ProcessList& list) {
    std::vector<std::string> names;
    for (const ProcessInfo& p : list)
        names.push_back(p.ExeName);
    return names;
}

TEST(PerformanceData, ProcessInstancesBecomeEntriesNamedAsTheSnapshotNamesThem) {
    const auto block = PerfBlock::Build({ProcessObject(
        {{u"Idle", 0}, {u"System", 4}, {u"notepad", 1200}, {u"system", 77}, {u"Gr\u00FC\u00DFe", 9}})});
    const auto lists = ParsePerformanceData(block, true, false);
    ASSERT_TRUE(lists);
    EXPECT_TRUE(lists->processesRead);
    // Five programs and the total: the total is never listed.
    EXPECT_EQ(Names(lists->processes),
              (std::vector<std::string>{"[System Process]", "System", "notepad.exe", "system.exe",
                                        "Gr\xC3\xBC\xC3\x9F"
                                        "e.exe"}));
    EXPECT_EQ(lists->processes[2].ProcessID, 1200u);
    EXPECT_EQ(lists->processes[0].ProcessID, 0u);
}

TEST(PerformanceData, FewerThanTwoInstancesGiveNoEntries) {
    PerfObject onlyTotal = ProcessObject({});
    PerfObject none = onlyTotal;
    none.instances.clear();
    for (const PerfObject& object : {onlyTotal, none}) {
        const auto lists = ParsePerformanceData(PerfBlock::Build({object}), true, false);
        ASSERT_TRUE(lists);
        EXPECT_TRUE(lists->processesRead);
        EXPECT_TRUE(lists->processes.empty());
    }
}

TEST(PerformanceData, ThreadObjectGivesOwnerAndThreadIdsAndBothObjectsAreFoundInAnyOrder) {
    const auto block = PerfBlock::Build(
        {ThreadObject({{1200, 31}, {1200, 32}, {4, 8}}), ProcessObject({{u"notepad", 1200}})});
    const auto lists = ParsePerformanceData(block, true, true);
    ASSERT_TRUE(lists);
    ASSERT_EQ(lists->threads.size(), 3u);
    EXPECT_EQ(lists->threads[1].OwnerProcessID, 1200u);
    EXPECT_EQ(lists->threads[1].ThreadID, 32u);
    EXPECT_EQ(lists->threads[2].OwnerProcessID, 4u);
    EXPECT_EQ(Names(lists->processes), std::vector<std::string>{"notepad.exe"});

    // Objects not asked for are not read.
    const auto processesOnly = ParsePerformanceData(block, true, false);
    ASSERT_TRUE(processesOnly);
    EXPECT_FALSE(processesOnly->threadsRead);
    EXPECT_TRUE(processesOnly->threads.empty());
}

TEST(PerformanceData, OnlyTheFirstObjectOfEachKindCountsWhateverElseIsAskedFor) {
    // A damaged block with a second process object before the threads.
    const auto block = PerfBlock::Build({ProcessObject({{u"first", 10}, {u"second", 20}}),
                                         ProcessObject({{u"stray", 99}}), ThreadObject({{10, 1}})});
    const auto both = ParsePerformanceData(block, true, true);
    const auto processesOnly = ParsePerformanceData(block, true, false);
    ASSERT_TRUE(both && processesOnly);
    EXPECT_EQ(Names(both->processes), (std::vector<std::string>{"first.exe", "second.exe"}));
    EXPECT_EQ(Names(processesOnly->processes), Names(both->processes));
    ASSERT_EQ(both->threads.size(), 1u);
    EXPECT_EQ(both->threads[0].OwnerProcessID, 10u);
}

TEST(PerformanceData, ABlockWithoutObjectsReadsAsEmpty) {
    // What Wine hands out: a header and nothing else.
    const auto lists = ParsePerformanceData(PerfBlock::Build({}), true, true);
    ASSERT_TRUE(lists);
    EXPECT_FALSE(lists->processesRead);
    EXPECT_TRUE(lists->processes.empty());
}

TEST(PerformanceData, EveryTruncationGivesNothingOrTheFullListAndNeverReadsPastTheEnd) {
    const auto block =
        PerfBlock::Build({ProcessObject({{u"Idle", 0}, {u"explorer", 300}}), ThreadObject({{300, 1}})});
    for (std::size_t length = 0; length < block.size(); ++length) {
        // A copy of exactly this length, so that a read past it is a read past the allocation.
        const std::vector<std::uint8_t> cut(block.begin(),
                                            block.begin() + static_cast<std::ptrdiff_t>(length));
        const auto lists = ParsePerformanceData(cut, true, true);
        if (lists) {
            EXPECT_TRUE(lists->processes.empty() || lists->processes.size() == 2) << length;
            EXPECT_TRUE(lists->threads.empty() || lists->threads.size() == 1) << length;
        }
    }
}

struct LyingBlock : ::testing::Test {
    LyingBlock() { block = PerfBlock::Build({ProcessObject({{u"Idle", 0}, {u"explorer", 300}})}, &layout); }
    std::vector<std::uint8_t> block;
    PerfBlock::Layout layout;
};

TEST_F(LyingBlock, OffsetsAndLengthsThatPointOutsideGiveNothing) {
    const std::size_t object = layout.objects[0];
    const std::size_t instance = layout.instances[0][1];
    const std::vector<std::pair<std::size_t, std::uint32_t>> lies = {
        {24, 0xFFFFFF00u},                     // first object far beyond the block
        {object + 8, 0x7FFFFFF0u},             // counter definitions beyond the block
        {object + 32, 0x10000000u},            // more counters than the block holds
        {object + 4, 0xFFFFFFF0u},             // instances beyond the block
        {object + 40, 0x7FFFFFFFu},            // more instances than the block could hold
        {instance + 16, 0xFFFFFFF0u},          // name beyond the block
        {instance + 20, 0x00100000u},          // name longer than the block
        {instance, 0},                         // instance of no length: the walk would stand still
        {instance, 0xFFFFFFF0u},               // counter block beyond the end
        {object + 64 + 40 + 36, 0xFFFFFFF0u},  // counter value beyond its counter block
    };
    for (const auto& [at, value] : lies) {
        std::vector<std::uint8_t> lying = block;
        PerfBlock::Put(lying, at, value);
        EXPECT_FALSE(ParsePerformanceData(lying, true, false)) << "offset " << at;
    }
}

TEST_F(LyingBlock, AnObjectCountBeyondTheObjectsOrAnObjectOfNoLengthGivesNothing) {
    std::vector<std::uint8_t> tooMany = block;
    PerfBlock::Put(tooMany, 28, 0xFFFFFFFFu);
    // The Process object comes first and is read: the walk stops before the missing objects.
    EXPECT_TRUE(ParsePerformanceData(tooMany, true, false));
    EXPECT_FALSE(ParsePerformanceData(tooMany, true, true));

    std::vector<std::uint8_t> standingStill = block;
    PerfBlock::Put(standingStill, 28, 3);
    PerfBlock::Put(standingStill, layout.objects[0], 0);
    EXPECT_FALSE(ParsePerformanceData(standingStill, false, true));
}

TEST_F(LyingBlock, RandomDamageNeverReadsOutsideTheBlock) {
    std::mt19937 random(7);
    for (int round = 0; round < 2000; ++round) {
        std::vector<std::uint8_t> damaged = block;
        for (int flips = 0; flips < 4; ++flips) {
            damaged[random() % damaged.size()] = static_cast<std::uint8_t>(random());
        }
        const auto lists = ParsePerformanceData(damaged, true, true);
        if (lists) {
            EXPECT_LE(lists->processes.size(), damaged.size() / 28);
        }
    }
}

}  // namespace
}  // namespace vitrex::sysinfo
