#pragma once
// The HID seam over the emulated bus: lists, opens and watches the plugged products'
// collections exactly as the platform backend does with real hardware.

#include <atomic>
#include <cstdint>
#include <memory>

#include "device/HidBackend.h"
#include "sim/SimBus.h"

namespace ilmo::sim {

class SimBackend : public device::HidBackend {
public:
    explicit SimBackend(std::shared_ptr<SimBus> bus);

    bool enumerate(std::vector<std::string>& paths) override;
    // Parses the collection's report descriptor, as the platform backend does on open.
    std::unique_ptr<device::HidHandle> open(const std::string& path,
                                            const device::OpenOptions& options) override;
    bool present(const std::string& path) override;
    // Returns at once when a product came or went since the previous call, or after wake().
    void wait_for_change(int timeout_ms) override;
    void wake() override;

private:
    std::shared_ptr<SimBus> bus_;
    uint64_t seen_changes_ = 0;
    std::atomic<bool> woken_{false};
};

}  // namespace ilmo::sim
