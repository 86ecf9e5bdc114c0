#pragma once
// The emulator's HID backend plus what the emulator cannot stage by itself: a node that
// refuses to open (its access not granted yet), a second identical product in another port,
// and a machine whose HID interfaces cannot be listed. Everything else is the emulator's.

#include <memory>
#include <optional>
#include <set>
#include <string>

#include "sim/SimBackend.h"
#include "sim/SimBus.h"

namespace ilmo::presence::testing {

class HarnessBackend : public device::HidBackend {
public:
    static constexpr std::string_view kSecondPort = "port2/";

    explicit HarnessBackend(std::shared_ptr<sim::SimBus> bus) : bus_(bus), emulator_(bus) {}

    bool enumerate(std::vector<std::string>& paths) override {
        ++enumerations;
        if (listing_fails || !emulator_.enumerate(paths)) return false;
        if (second_port) {
            for (const std::string& path : bus_->paths(*second_port))
                if (bus_->present(path)) paths.push_back(std::string(kSecondPort) + path);
        }
        return true;
    }
    std::unique_ptr<device::HidHandle> open(const std::string& path,
                                            const device::OpenOptions& options) override {
        if (refused.count(path) != 0) return nullptr;
        return emulator_.open(on_bus(path), options);
    }
    bool present(const std::string& path) override { return emulator_.present(on_bus(path)); }
    void wait_for_change(int timeout_ms) override { emulator_.wait_for_change(timeout_ms); }
    void wake() override { emulator_.wake(); }

    std::set<std::string> refused;
    std::optional<sim::SimProduct> second_port;  // this product is plugged twice
    bool listing_fails = false;
    int enumerations = 0;

private:
    static std::string on_bus(const std::string& path) {
        return path.starts_with(kSecondPort) ? path.substr(kSecondPort.size()) : path;
    }

    std::shared_ptr<sim::SimBus> bus_;
    sim::SimBackend emulator_;
};

}  // namespace ilmo::presence::testing
