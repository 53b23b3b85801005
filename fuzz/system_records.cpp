// The system-information records the CPU meter reads: the processor count, the idle time and the
// clock, as whatever bytes the system hands over. The first byte chooses the records' layout; then
// each query takes a status byte (0 is success) and as many record bytes as it offers.
#include <algorithm>
#include <cstring>
#include <string>

#include "FuzzCheck.h"
#include "core/sysinfo/cpu/CpuLoad.h"
#include "core/sysinfo/cpu/CpuSampler.h"

using namespace vitrex;
using namespace vitrex::sysinfo::cpu;
using fuzz::Require;

namespace {

class FuzzedCounters : public SystemCounters {
public:
    FuzzedCounters(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint32_t QuerySystemInformation(SystemInfoClass, std::span<std::uint8_t> record) override {
        if (at_ >= size_) return kStatusProcedureNotFound;
        const std::uint8_t status = data_[at_++];
        if (status != 0) return status == 1 ? kStatusInfoLengthMismatch : status;
        const std::size_t taken = std::min(record.size(), size_ - at_);
        if (taken != 0) std::memcpy(record.data(), data_ + at_, taken);
        at_ += taken;
        return kStatusSuccess;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

void CheckLoad(float load) {
    Require(load == 0.0f || (load >= 0.5f && load <= 100.5f), "the load is 0 or 0.5 to 100.5 percent");
    const int gauge = GaugeIndex(load);
    Require(gauge >= 0 && gauge < kGaugeImageCount, "every load has a gauge image");
    Require(CpuTitle("CPU", load).size() <= 20, "the title shows a percentage");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const RecordLayout& layout = (data[0] & 1) != 0 ? kLayout64 : kLayout32;
    FuzzedCounters counters(data + 1, size - 1);
    CpuMeter meter;
    int samples = 0;
    const SamplerEnd end = RunCpuSampler(
        counters, meter, [&] { CheckLoad(meter.GetCPUUsage()); }, [&] { return ++samples > 64; }, layout);
    CheckLoad(meter.GetCPUUsage());
    Require(end != SamplerEnd::Stopped || samples > 64, "the sampler stops only when asked");
    return 0;
}
