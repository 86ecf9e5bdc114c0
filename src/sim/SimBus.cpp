#include "sim/SimBus.h"

#include <algorithm>

#include "sim/CommandRoute.h"
#include "sim/DeviceEvents.h"
#include "sim/OnboardSettings.h"

namespace ilmo::sim {

SimBus::SimBus()
    : firmware_{Firmware(FirmwareKind::Keyboard), Firmware(FirmwareKind::Mouse),
                Firmware(FirmwareKind::MousePad)},
      out_frames_(kAllProducts.size(), Clock::now()),
      // Both directions share the bus's frame boundaries: with an epoch of its own a
      // microsecond later, an answer would fall into its request's frame.
      in_frames_(out_frames_) {
    for (SimProduct product : kAllProducts)
        state(product).release = factory_release_number(product);
}

Firmware& SimBus::firmware_of(SimProduct product) {
    switch (firmware_kind(product)) {
        case FirmwareKind::Keyboard:
            return firmware_[0];
        case FirmwareKind::Mouse:
            return firmware_[1];
        case FirmwareKind::MousePad:
            return firmware_[2];
        case FirmwareKind::None:
            break;
    }
    throw std::invalid_argument("product has no command firmware");
}

// --- hardware side ---

void SimBus::plug(SimProduct product) {
    std::lock_guard lock(mutex_);
    if (state(product).plugged) return;
    state(product).plugged = true;
    mark_change_locked();
}

void SimBus::unplug(SimProduct product) {
    std::lock_guard lock(mutex_);
    unplug_locked(product);
}

void SimBus::plug_all() {
    for (SimProduct product : kAllProducts) plug(product);
}

void SimBus::unplug_all() {
    for (SimProduct product : kAllProducts) unplug(product);
}

bool SimBus::plugged(SimProduct product) const {
    std::lock_guard lock(mutex_);
    return state(product).plugged;
}

void SimBus::unplug_locked(SimProduct product) {
    if (!state(product).plugged) return;
    state(product).plugged = false;
    if (firmware_kind(product) != FirmwareKind::None) firmware_of(product).end_transfer();
    std::erase_if(endpoints_, [product](const std::shared_ptr<SimEndpoint>& endpoint) {
        if (endpoint->collection.product != product) return false;
        endpoint->queue.close();
        return true;
    });
    mark_change_locked();
}

void SimBus::mark_change_locked() {
    ++changes_;
    change_.notify_all();
}

void SimBus::set_device_linked(SimProduct receiver, bool linked) {
    std::lock_guard lock(mutex_);
    state(receiver).device_linked = linked;
}

void SimBus::set_device_powered(SimProduct product, bool powered) {
    std::lock_guard lock(mutex_);
    firmware_of(product).set_powered(powered);
}

void SimBus::set_power_status(SimProduct product, const PowerStatus& status) {
    std::lock_guard lock(mutex_);
    firmware_of(product).set_power_status(status);
}

bool SimBus::set_sensor(SimProduct product, const MouseSensor& sensor) {
    std::lock_guard lock(mutex_);
    if (firmware_kind(product) != FirmwareKind::Mouse) return false;
    firmware_of(product).set_sensor(sensor);
    return true;
}

void SimBus::set_release_number(SimProduct product, uint16_t release) {
    std::lock_guard lock(mutex_);
    state(product).release = release;
}

void SimBus::set_faults(SimProduct product, const SimFaults& faults) {
    std::lock_guard lock(mutex_);
    state(product).faults = faults;
}

SimFaults SimBus::faults(SimProduct product) const {
    std::lock_guard lock(mutex_);
    return state(product).faults;
}

void SimBus::clear_faults() {
    std::lock_guard lock(mutex_);
    for (auto& product : products_) product.faults = SimFaults{};
}

void SimBus::set_usb_timing(bool on) {
    std::lock_guard lock(mutex_);
    usb_timing_ = on;
}

bool SimBus::device_reaches_host_locked(SimProduct product) {
    if (!state(product).plugged) return false;
    if (!is_receiver(product)) return true;
    return state(product).device_linked && firmware_of(product).powered();
}

bool SimBus::send_event(SimProduct product, uint16_t code) {
    std::lock_guard lock(mutex_);
    return send_event_locked(product, code);
}

bool SimBus::send_event_locked(SimProduct product, uint16_t code) {
    const SimCollection* events = catalog_.event_collection(product);
    if (events == nullptr || !device_reaches_host_locked(product)) return false;
    deliver_locked(*events,
                   {kEventReportId, static_cast<uint8_t>(code), static_cast<uint8_t>(code >> 8)},
                   Clock::now());
    return true;
}

bool SimBus::send_input_report(const std::string& path, std::span<const uint8_t> report) {
    const SimCollection* collection = catalog_.find(path);
    std::lock_guard lock(mutex_);
    if (collection == nullptr || !device_reaches_host_locked(collection->product)) return false;
    deliver_locked(*collection, {report.begin(), report.end()}, Clock::now());
    return true;
}

// --- the device's own buttons ---

bool SimBus::switch_profile(SimProduct product, int profile) {
    std::lock_guard lock(mutex_);
    if (firmware_kind(product) == FirmwareKind::None) return false;
    Firmware& firmware = firmware_of(product);
    if (!firmware.select_profile(profile)) return false;
    // The mouse reports the stage that comes with the profile as well.
    send_event_locked(product, firmware.kind() == FirmwareKind::Mouse
                                   ? profile_and_stage_code(profile, firmware.dpi_stage())
                                   : profile_switch_code(profile));
    return true;
}

bool SimBus::switch_dpi_stage(SimProduct product, int stage) {
    std::lock_guard lock(mutex_);
    if (firmware_kind(product) != FirmwareKind::Mouse) return false;
    Firmware& firmware = firmware_of(product);
    if (!firmware.select_dpi_stage(stage)) return false;
    send_event_locked(product, profile_and_stage_code(firmware.active_profile(), stage));
    return true;
}

bool SimBus::press_key(SimProduct product, int position, bool down) {
    std::lock_guard lock(mutex_);
    if (firmware_kind(product) != FirmwareKind::Keyboard) return false;
    const auto function = firmware_of(product).key_function(position);
    if (!function) return false;
    const SimCollection* keys = catalog_.keys_collection(product);
    const std::vector<uint8_t> report = keyboard_report(*function, down);
    if (keys != nullptr && !report.empty() && device_reaches_host_locked(product))
        deliver_locked(*keys, report, Clock::now());
    send_event_locked(product, key_code(position, down));
    return true;
}

bool SimBus::press_mouse_button(SimProduct product, int slot) {
    std::lock_guard lock(mutex_);
    if (firmware_kind(product) != FirmwareKind::Mouse) return false;
    const Firmware& firmware = firmware_of(product);
    if (!firmware.key_function(slot)) return false;
    if (firmware.lighting_mode() == kMouseReactiveMode)
        send_event_locked(product, event_code::kReactiveFlash);
    return true;
}

std::vector<std::string> SimBus::paths(SimProduct product) const {
    std::vector<std::string> result;
    for (const auto& collection : catalog_.all()) {
        if (collection.product == product) result.push_back(collection.path);
    }
    return result;
}

std::string SimBus::command_path(SimProduct product) const {
    for (const auto& collection : catalog_.all()) {
        if (collection.product == product && collection.is_command) return collection.path;
    }
    return {};
}

std::string SimBus::event_path(SimProduct product) const {
    const SimCollection* events = catalog_.event_collection(product);
    return events == nullptr ? std::string() : events->path;
}

// --- host side ---

std::vector<std::string> SimBus::present_paths() const {
    std::lock_guard lock(mutex_);
    std::vector<std::string> result;
    for (const auto& collection : catalog_.all()) {
        if (state(collection.product).plugged) result.push_back(collection.path);
    }
    return result;
}

bool SimBus::present(const std::string& path) const {
    const SimCollection* collection = catalog_.find(path);
    std::lock_guard lock(mutex_);
    return collection != nullptr && state(collection->product).plugged;
}

std::shared_ptr<SimEndpoint> SimBus::open(const std::string& path,
                                          const device::OpenOptions& options) {
    const SimCollection* collection = catalog_.find(path);
    std::lock_guard lock(mutex_);
    if (collection == nullptr || !state(collection->product).plugged) return nullptr;
    std::vector<device::OpenOptions> already_open;
    for (const auto& endpoint : endpoints_) {
        if (&endpoint->collection == collection) already_open.push_back(endpoint->options);
    }
    if (!sharing_permits(already_open, options)) return nullptr;
    endpoints_.push_back(std::make_shared<SimEndpoint>(*collection, options));
    return endpoints_.back();
}

device::HidAttributes SimBus::attributes(SimProduct product) const {
    std::lock_guard lock(mutex_);
    return {vendor_id(product), product_id(product), state(product).release};
}

void SimBus::close(const SimEndpoint& endpoint) {
    std::lock_guard lock(mutex_);
    std::erase_if(endpoints_, [&endpoint](const auto& open) { return open.get() == &endpoint; });
}

bool SimBus::attached_locked(const SimEndpoint& endpoint) const {
    return !endpoint.queue.closed() &&
           std::any_of(endpoints_.begin(), endpoints_.end(),
                       [&endpoint](const auto& open) { return open.get() == &endpoint; });
}

int SimBus::write_report(SimEndpoint& endpoint, std::span<const uint8_t> report,
                         bool control_pipe) {
    auto sent_at = Clock::now();
    bool wait_for_frame = false;
    {
        std::lock_guard lock(mutex_);
        if (!attached_locked(endpoint) || !endpoint.options.want_write) return 0;
        if (usb_timing_) {
            sent_at = out_frames_.reserve(index_of(endpoint.collection.product), sent_at);
            wait_for_frame = true;
        }
    }
    // The transfer completes at its frame boundary; an abort or unplug ends the wait.
    if (wait_for_frame && !endpoint.queue.sleep_until(sent_at)) return 0;
    std::lock_guard lock(mutex_);
    if (!attached_locked(endpoint)) return 0;
    return take_report_locked(endpoint, report, control_pipe, sent_at);
}

int SimBus::take_report_locked(const SimEndpoint& from, std::span<const uint8_t> report,
                               bool control_pipe, Clock::time_point sent_at) {
    const SimCollection& collection = from.collection;
    const size_t report_bytes = collection.parsed.report_bytes(device::ReportDirection::Output);
    if (report.empty() || report.size() > report_bytes ||
        !collection.parsed.has_report_id(device::ReportDirection::Output, report[0])) {
        return 0;
    }
    ProductState& product = state(collection.product);
    if (product.faults.unplug_after_packets == 0) {
        product.faults.unplug_after_packets = -1;
        unplug_locked(collection.product);
        return 0;
    }
    if (product.faults.unplug_after_packets > 0) --product.faults.unplug_after_packets;

    std::vector<uint8_t> padded(report.begin(), report.end());
    padded.resize(report_bytes, 0);
    log_.record({collection.product, collection.interface_number, collection.collection_number,
                 control_pipe, padded});
    if (!collection.is_command || padded.size() != kPacketBytes) return 1;

    Packet request{};
    std::copy(padded.begin(), padded.end(), request.begin());
    const RouteState route{is_receiver(collection.product), product.device_linked};
    const auto answer =
        route_command(request, firmware_of(collection.product), route, product.faults);
    if (!answer) return 1;
    deliver_locked(collection, {answer->begin(), answer->end()},
                   sent_at + std::chrono::milliseconds(product.faults.response_delay_ms));
    log_.count_answer(collection.product);
    return 1;
}

// The kernel gives every open file of a node each input report of each of the node's
// collections, whatever the file was opened for. With USB timing every report the device
// sends needs a frame of its own on the way in, after the one its request took on the way out.
void SimBus::deliver_locked(const SimCollection& collection, const std::vector<uint8_t>& report,
                            Clock::time_point sent_at) {
    const auto arrives_at =
        usb_timing_ ? in_frames_.reserve(index_of(collection.product), sent_at) : sent_at;
    for (const auto& endpoint : endpoints_) {
        if (same_node(endpoint->collection, collection)) endpoint->queue.push(report, arrives_at);
    }
}

void SimBus::wait_for_change(uint64_t& seen_changes, const std::atomic<bool>& woken,
                             int timeout_ms) {
    std::unique_lock lock(mutex_);
    const auto done = [&] { return changes_ != seen_changes || woken.load(); };
    if (timeout_ms < 0) {
        change_.wait(lock, done);
    } else {
        change_.wait_for(lock, std::chrono::milliseconds(timeout_ms), done);
    }
    seen_changes = changes_;
}

uint64_t SimBus::change_count() const {
    std::lock_guard lock(mutex_);
    return changes_;
}

void SimBus::notify_waiters() {
    // Passing through the lock orders the flag a caller set before a waiter's check.
    { std::lock_guard lock(mutex_); }
    change_.notify_all();
}

}  // namespace ilmo::sim
