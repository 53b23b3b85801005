#include "testing/FakeSystemCounters.h"

namespace vitrex::fakes {

namespace {

constexpr std::uint32_t kStatusUnsuccessful = 0xC0000001;
constexpr std::int64_t kSecond = 10'000'000;  // in 100-ns units

void WriteCount(std::span<std::uint8_t> record, std::size_t offset, std::int64_t value) {
    const auto bits = static_cast<std::uint64_t>(value);
    for (std::size_t i = 0; i < 8; ++i)
        record[offset + i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

}  // namespace

void FakeSystemCounters::SetProcessors(int processors) {
    std::lock_guard lock(mutex_);
    processors_ = processors;
}

void FakeSystemCounters::AddSample(std::int64_t idleTime, std::int64_t systemTime) {
    std::lock_guard lock(mutex_);
    queued_.push_back({idleTime, systemTime});
}

void FakeSystemCounters::SetSteadyLoad(double percent) {
    std::lock_guard lock(mutex_);
    steadyPercent_ = percent;
}

void FakeSystemCounters::SetStatus(SystemInfoClass infoClass, std::uint32_t status) {
    std::lock_guard lock(mutex_);
    status_[infoClass] = status;
}

int FakeSystemCounters::Queries(SystemInfoClass infoClass) const {
    std::lock_guard lock(mutex_);
    const auto found = queries_.find(infoClass);
    return found == queries_.end() ? 0 : found->second;
}

std::optional<sysinfo::cpu::CpuSample> FakeSystemCounters::NextSample() {
    if (!queued_.empty()) {
        last_ = queued_.front();
        queued_.pop_front();
        return last_;
    }
    if (!steadyPercent_) return std::nullopt;
    const double idleShare = (100.0 - *steadyPercent_) / 100.0;
    last_.systemTime += kSecond;
    last_.idleTime += static_cast<std::int64_t>(idleShare * kSecond * processors_);
    return last_;
}

std::uint32_t FakeSystemCounters::QuerySystemInformation(SystemInfoClass infoClass,
                                                         std::span<std::uint8_t> record) {
    std::lock_guard lock(mutex_);
    ++queries_[infoClass];
    if (const auto status = status_.find(infoClass); status != status_.end() && status->second != 0)
        return status->second;
    switch (infoClass) {
        case SystemInfoClass::Basic:
            if (record.size() != layout_.basicSize) return kStatusInfoLengthMismatch;
            record[layout_.processorCountOffset] = static_cast<std::uint8_t>(processors_);
            return kStatusSuccess;
        case SystemInfoClass::TimeOfDay:
            if (record.size() > layout_.timeOfDaySize || record.size() < layout_.currentTimeOffset + 8)
                return kStatusInfoLengthMismatch;
            current_ = NextSample();
            if (!current_) return kStatusUnsuccessful;
            WriteCount(record, layout_.currentTimeOffset, current_->systemTime);
            return kStatusSuccess;
        case SystemInfoClass::Performance:
            if (record.size() < layout_.performanceSize) return kStatusInfoLengthMismatch;
            if (!current_) return kStatusUnsuccessful;
            WriteCount(record, layout_.idleTimeOffset, current_->idleTime);
            return kStatusSuccess;
    }
    return kStatusUnsuccessful;
}

}  // namespace vitrex::fakes
