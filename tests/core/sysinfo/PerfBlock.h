#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/sysinfo/PerformanceData.h"

namespace vitrex::sysinfo::testing {

// Builds performance-data blocks by hand, laid out as the system lays them out.
struct PerfInstance {
    std::u16string name;
    std::vector<std::uint32_t> values;  // one per counter of the object
};

struct PerfObject {
    std::uint32_t titleIndex = kProcessObjectIndex;
    std::vector<std::uint32_t> counterIndexes;
    std::vector<PerfInstance> instances;  // the last one plays the total
};

class PerfBlock {
public:
    // Offsets of the parts, for tests that damage them.
    struct Layout {
        std::vector<std::size_t> objects;
        std::vector<std::vector<std::size_t>> instances;
    };

    static std::vector<std::uint8_t> Build(const std::vector<PerfObject>& objects, Layout* layout = nullptr) {
        std::vector<std::uint8_t> b(96, 0);
        b[0] = 'P', b[2] = 'E', b[4] = 'R', b[6] = 'F';
        Put(b, 24, 96);
        Put(b, 28, static_cast<std::uint32_t>(objects.size()));
        for (const PerfObject& object : objects) {
            const std::size_t start = b.size();
            if (layout != nullptr) layout->objects.push_back(start);
            b.resize(start + 64 + 40 * object.counterIndexes.size(), 0);
            Put(b, start + 8, 64);
            Put(b, start + 12, object.titleIndex);
            Put(b, start + 32, static_cast<std::uint32_t>(object.counterIndexes.size()));
            Put(b, start + 40, static_cast<std::uint32_t>(object.instances.size()));
            for (std::size_t c = 0; c < object.counterIndexes.size(); ++c) {
                const std::size_t def = start + 64 + 40 * c;
                Put(b, def, 40);
                Put(b, def + 4, object.counterIndexes[c]);
                Put(b, def + 32, 4);
                Put(b, def + 36, static_cast<std::uint32_t>(8 + 4 * c));
            }
            Put(b, start + 4, static_cast<std::uint32_t>(b.size() - start));
            std::vector<std::size_t> places;
            for (const PerfInstance& instance : object.instances) {
                const std::size_t at = b.size();
                places.push_back(at);
                const std::size_t nameBytes = (instance.name.size() + 1) * 2;
                const std::size_t length = (24 + nameBytes + 7) / 8 * 8;
                b.resize(at + length, 0);
                Put(b, at, static_cast<std::uint32_t>(length));
                Put(b, at + 16, 24);
                Put(b, at + 20, static_cast<std::uint32_t>(nameBytes));
                for (std::size_t i = 0; i < instance.name.size(); ++i) {
                    b[at + 24 + 2 * i] = static_cast<std::uint8_t>(instance.name[i] & 0xFF);
                    b[at + 25 + 2 * i] = static_cast<std::uint8_t>(instance.name[i] >> 8);
                }
                const std::size_t counters = b.size();
                const std::size_t countersLength = (8 + 4 * object.counterIndexes.size() + 7) / 8 * 8;
                b.resize(counters + countersLength, 0);
                Put(b, counters, static_cast<std::uint32_t>(countersLength));
                for (std::size_t c = 0; c < instance.values.size(); ++c)
                    Put(b, counters + 8 + 4 * c, instance.values[c]);
            }
            if (layout != nullptr) layout->instances.push_back(places);
            Put(b, start, static_cast<std::uint32_t>(b.size() - start));
        }
        Put(b, 20, static_cast<std::uint32_t>(b.size()));
        return b;
    }

    static void Put(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t value) {
        for (int i = 0; i < 4; ++i)
            b[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
};

// A Process object as the system publishes it: the idle process, the kernel, programs, _Total.
inline PerfObject ProcessObject(const std::vector<std::pair<std::u16string, std::uint32_t>>& processes) {
    PerfObject object;
    object.titleIndex = kProcessObjectIndex;
    object.counterIndexes = {6, kIdProcessCounterIndex};
    for (const auto& [name, id] : processes)
        object.instances.push_back({name, {1234, id}});
    object.instances.push_back({u"_Total", {0, 0}});
    return object;
}

inline PerfObject ThreadObject(const std::vector<std::pair<std::uint32_t, std::uint32_t>>& ownerAndThread) {
    PerfObject object;
    object.titleIndex = kThreadObjectIndex;
    object.counterIndexes = {kIdThreadCounterIndex, 6, kIdProcessCounterIndex};
    for (const auto& [owner, thread] : ownerAndThread)
        object.instances.push_back({u"x/0", {thread, 7, owner}});
    object.instances.push_back({u"_Total/_Total", {0, 0, 0}});
    return object;
}

}  // namespace vitrex::sysinfo::testing
