#pragma once
// One open collection of an emulated product, seen through the HID seam.

#include <memory>

#include "device/HidBackend.h"
#include "sim/SimBus.h"
#include "sim/SimEndpoint.h"

namespace ilmo::sim {

class SimHandle : public device::HidHandle {
public:
    SimHandle(std::shared_ptr<SimBus> bus, std::shared_ptr<SimEndpoint> endpoint,
              device::HidAttributes attributes, device::TopLevelCollection collection);
    ~SimHandle() override;

    SimHandle(const SimHandle&) = delete;
    SimHandle& operator=(const SimHandle&) = delete;

    const device::HidAttributes& attributes() const override { return attributes_; }
    const device::TopLevelCollection& collection() const override { return collection_; }

    // Skips the reports of the node's other collections.
    int read(std::span<uint8_t> report, size_t& transferred, int timeout_ms) override;
    // The timing model's frame wait stands in for the time-out: it is always shorter.
    int write(std::span<const uint8_t> report, size_t& transferred, int timeout_ms) override;
    int set_output_report(std::span<const uint8_t> report) override;
    void abort() override;

private:
    // One of the opened collection's input reports.
    bool wanted(std::span<const uint8_t> report) const;

    std::shared_ptr<SimBus> bus_;
    std::shared_ptr<SimEndpoint> endpoint_;
    device::HidAttributes attributes_;
    device::TopLevelCollection collection_;
};

}  // namespace ilmo::sim
