#pragma once
// The emulated USB bus: the products that can be plugged in, the firmware behind them, the
// handles open on their collections, fault injection, the USB timing model and the log of
// what the host sent. Thread-safe; shared by SimBackend, its handles and the test or demo
// that drives the hardware side.

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "device/HidBackend.h"
#include "sim/CollectionCatalog.h"
#include "sim/Firmware.h"
#include "sim/PacketLog.h"
#include "sim/SimEndpoint.h"
#include "sim/SimFaults.h"
#include "sim/SimProduct.h"
#include "sim/UsbFrameClock.h"

namespace ilmo::sim {

class SimBus {
public:
    // Nothing plugged, every receiver linked, USB timing off.
    SimBus();

    // --- hardware side: tests and the demo ---

    // Unplugging ends the product's open handles for good: a blocked read returns 0 at once,
    // later reads and writes fail, also after the product is plugged in again.
    void plug(SimProduct product);
    void unplug(SimProduct product);
    void plug_all();
    void unplug_all();
    bool plugged(SimProduct product) const;

    // A receiver whose device is not linked answers every command with 0xAA.
    void set_device_linked(SimProduct receiver, bool linked);
    // Switches the device behind a cable or receiver product; off, it is out of its
    // receiver's reach (a cable keeps powering it).
    void set_device_powered(SimProduct product, bool powered);
    void set_power_status(SimProduct product, const PowerStatus& status);
    // Fits the mouse behind a cable or receiver product with another sensor; the host sees it
    // at its next read of the information record. False for products of other devices.
    bool set_sensor(SimProduct product, const MouseSensor& sensor);
    // The HID release number in the attributes of the product's handles.
    void set_release_number(SimProduct product, uint16_t release);

    // Faults of one product; a receiver's faults apply to its route only.
    void set_faults(SimProduct product, const SimFaults& faults);
    SimFaults faults(SimProduct product) const;
    void clear_faults();

    // Off by default: reports then pass at once, as fast unit tests want.
    void set_usb_timing(bool on);

    // Queues the consumer report (03, code low, code high) to every open handle of the node
    // of the product's event collection; false when the product has none or the device
    // cannot reach the host (unplugged, or out of its receiver's reach).
    bool send_event(SimProduct product, uint16_t code);
    // Queues an input report (id byte first) to every open handle of a collection's node.
    bool send_input_report(const std::string& path, std::span<const uint8_t> report);

    // The device's own buttons. Each changes the firmware's state and reports it through
    // `product` when the device can reach the host there; false when the device has no such
    // profile, stage or key.
    // An on-board profile switch: byte 0 of the configuration memory, event 0x10 (the mouse
    // reports 0x11 with the profile's DPI stage).
    bool switch_profile(SimProduct product, int profile);
    // The mouse's DPI button: the current stage of the active profile's block, event 0x11.
    bool switch_dpi_stage(SimProduct product, int stage);
    // A key of the keyboard's key table, by position: its function's key report on the
    // keyboard collection (one key at a time) and event 0x05 or 0x06 with the position.
    bool press_key(SimProduct product, int position, bool down);
    // A mouse button, by slot of the button table: in the reactive lighting mode the mouse
    // flashes and reports it (0x0403). False past the last slot and for other devices.
    bool press_mouse_button(SimProduct product, int slot);

    // Runs fn(Firmware&) under the bus lock, for tests to inspect or preset device memory;
    // fn must not call back into the bus. Cable and receiver of a device give the same
    // firmware. Throws std::invalid_argument for the headset, which has no command firmware.
    template <class Fn>
    decltype(auto) with_firmware(SimProduct product, Fn&& fn) {
        std::lock_guard lock(mutex_);
        return std::forward<Fn>(fn)(firmware_of(product));
    }

    PacketLog& packet_log() { return log_; }

    // Paths of the product's collections, plugged or not.
    std::vector<std::string> paths(SimProduct product) const;
    // The collection the firmware's commands go through / its event collection; empty when
    // the product has none.
    std::string command_path(SimProduct product) const;
    std::string event_path(SimProduct product) const;

    // --- host side: SimBackend and SimHandle ---

    std::vector<std::string> present_paths() const;
    bool present(const std::string& path) const;
    // nullptr when the path is absent or the share rules refuse the access.
    std::shared_ptr<SimEndpoint> open(const std::string& path, const device::OpenOptions& options);
    device::HidAttributes attributes(SimProduct product) const;
    void close(const SimEndpoint& endpoint);
    // One output report from a handle; 1 when the product took it, 0 when it is gone or the
    // report is not one of the collection's.
    int write_report(SimEndpoint& endpoint, std::span<const uint8_t> report, bool control_pipe);

    // Waits until the set of plugged products differs from the one counted in `seen_changes`,
    // `woken` is set or the time-out passes; updates `seen_changes`.
    void wait_for_change(uint64_t& seen_changes, const std::atomic<bool>& woken, int timeout_ms);
    uint64_t change_count() const;
    void notify_waiters();

private:
    using Clock = std::chrono::steady_clock;

    struct ProductState {
        bool plugged = false;
        bool device_linked = true;
        uint16_t release = 0;
        SimFaults faults;
    };

    Firmware& firmware_of(SimProduct product);
    ProductState& state(SimProduct product) { return products_[index_of(product)]; }
    const ProductState& state(SimProduct product) const { return products_[index_of(product)]; }
    bool attached_locked(const SimEndpoint& endpoint) const;
    // By cable while plugged; through a receiver only while the device is in reach.
    bool device_reaches_host_locked(SimProduct product);
    bool send_event_locked(SimProduct product, uint16_t code);
    void unplug_locked(SimProduct product);
    void mark_change_locked();
    int take_report_locked(const SimEndpoint& from, std::span<const uint8_t> report,
                           bool control_pipe, Clock::time_point sent_at);
    void deliver_locked(const SimCollection& collection, const std::vector<uint8_t>& report,
                        Clock::time_point sent_at);

    mutable std::mutex mutex_;
    std::condition_variable change_;
    const CollectionCatalog catalog_;
    std::array<ProductState, kAllProducts.size()> products_;
    std::array<Firmware, 3> firmware_;  // keyboard, mouse, mouse-pad
    std::vector<std::shared_ptr<SimEndpoint>> endpoints_;
    PacketLog log_;
    UsbFrameClock out_frames_;  // host to device, per product
    UsbFrameClock in_frames_;   // device to host, per product
    bool usb_timing_ = false;
    uint64_t changes_ = 0;
};

}  // namespace ilmo::sim
