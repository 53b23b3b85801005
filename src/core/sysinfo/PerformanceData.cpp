#include "core/sysinfo/PerformanceData.h"

#include <string>

#include "core/text/Utf8.h"

namespace vitrex::sysinfo {
namespace {

using namespace perf_layout;

// Any read the block does not cover ends the walk; the whole block then counts as unreadable.
struct Malformed {};

class BlockReader {
public:
    explicit BlockReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::size_t Size() const { return bytes_.size(); }

    // Offsets are summed in 64 bits from 32-bit fields, so they cannot wrap before this check.
    std::uint32_t U32(std::uint64_t offset) const {
        Require(offset, 4);
        const std::uint8_t* p = bytes_.data() + offset;
        return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
               static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
    }

    void Require(std::uint64_t offset, std::uint64_t length) const {
        if (offset > bytes_.size() || length > bytes_.size() - offset) throw Malformed{};
    }

    // A UTF-16LE name of at most `byteLength` bytes, cut at its terminator, as UTF-8. Unpaired
    // surrogates become U+FFFD.
    std::string Utf16Name(std::uint64_t offset, std::uint32_t byteLength) const {
        Require(offset, byteLength);
        return text::Utf16LeToUtf8(bytes_.subspan(offset, byteLength));
    }

private:
    std::span<const std::uint8_t> bytes_;
};

std::string ProcessName(const BlockReader& block, std::uint64_t instance, std::uint32_t processId) {
    if (processId == 0) return "[System Process]";
    std::string name = block.Utf16Name(instance + block.U32(instance + kInstanceNameOffset),
                                       block.U32(instance + kInstanceNameLength));
    // The kernel's instance is the one name the Toolhelp snapshot reports without the extension.
    if (name != "System") name += ".exe";
    return name;
}

// Walks the first n-1 instances of an object and hands each instance's counter value to `take`.
template <typename Take>
void ReadCounter(const BlockReader& block, std::uint64_t object, std::uint32_t counterOffset,
                 std::size_t entries, Take take) {
    std::uint64_t instance = object + block.U32(object + kObjectDefinitionLength);
    for (std::size_t i = 0; i < entries; ++i) {
        const std::uint32_t instanceLength = block.U32(instance + kInstanceByteLength);
        if (instanceLength < kInstanceSize) throw Malformed{};
        const std::uint64_t counters = instance + instanceLength;
        const std::uint32_t countersLength = block.U32(counters + kCounterBlockByteLength);
        if (countersLength < kCounterBlockSize || counterOffset > countersLength - 4) throw Malformed{};
        block.Require(counters, countersLength);
        take(i, instance, block.U32(counters + counterOffset));
        instance = counters + countersLength;
    }
}

void ReadObject(const BlockReader& block, std::uint64_t object, bool isProcess, PerformanceLists& lists) {
    const std::uint32_t numCounters = block.U32(object + kObjectNumCounters);
    const auto numInstances = static_cast<std::int32_t>(block.U32(object + kObjectNumInstances));
    const std::uint64_t firstCounter = object + block.U32(object + kObjectHeaderLength);
    block.Require(firstCounter, std::uint64_t{numCounters} * kCounterDefinitionSize);
    // The last instance is the total and is never listed; with fewer than two there is nothing.
    const std::size_t entries = numInstances < 2 ? 0 : static_cast<std::size_t>(numInstances) - 1;
    // Each instance takes at least its definition and a counter block: a count the block cannot
    // hold is a lie, and must not size a list.
    if (entries > block.Size() / (kInstanceSize + kCounterBlockSize)) throw Malformed{};

    for (std::uint32_t c = 0; c < numCounters; ++c) {
        const std::uint64_t counter = firstCounter + std::uint64_t{c} * kCounterDefinitionSize;
        const std::uint32_t index = block.U32(counter + kCounterNameTitleIndex);
        const std::uint32_t offset = block.U32(counter + kCounterOffset);
        if (isProcess && index == kIdProcessCounterIndex) {
            lists.processes.resize(entries);
            ReadCounter(block, object, offset, entries,
                        [&](std::size_t i, std::uint64_t instance, std::uint32_t v) {
                            lists.processes[i].ProcessID = v;
                            lists.processes[i].ExeName = ProcessName(block, instance, v);
                        });
        } else if (!isProcess && (index == kIdProcessCounterIndex || index == kIdThreadCounterIndex)) {
            lists.threads.resize(entries);
            const bool owner = index == kIdProcessCounterIndex;
            ReadCounter(block, object, offset, entries, [&](std::size_t i, std::uint64_t, std::uint32_t v) {
                (owner ? lists.threads[i].OwnerProcessID : lists.threads[i].ThreadID) = v;
            });
        }
    }
}

}  // namespace

std::optional<PerformanceLists> ParsePerformanceData(std::span<const std::uint8_t> bytes, bool wantProcesses,
                                                     bool wantThreads) {
    const BlockReader block(bytes);
    PerformanceLists lists;
    try {
        const std::uint32_t numObjects = block.U32(kBlockNumObjectTypes);
        std::uint64_t object = block.U32(kBlockHeaderLength);
        for (std::uint32_t k = 0; k < numObjects; ++k) {
            if ((!wantProcesses || lists.processesRead) && (!wantThreads || lists.threadsRead)) break;
            block.Require(object, kObjectSize);
            const std::uint32_t index = block.U32(object + kObjectNameTitleIndex);
            // The first object of each kind counts; a second one (a damaged block) is passed over,
            // so the process list does not depend on whether threads were asked for too.
            if (wantProcesses && !lists.processesRead && index == kProcessObjectIndex) {
                ReadObject(block, object, true, lists);
                lists.processesRead = true;
            } else if (wantThreads && !lists.threadsRead && index == kThreadObjectIndex) {
                ReadObject(block, object, false, lists);
                lists.threadsRead = true;
            }
            if (k + 1 == numObjects) break;
            // An object shorter than its own header would leave the walk in place.
            const std::uint32_t length = block.U32(object + kObjectTotalByteLength);
            if (length < kObjectSize) throw Malformed{};
            object += length;
        }
    } catch (const Malformed&) {
        return std::nullopt;
    }
    return lists;
}

}  // namespace vitrex::sysinfo
