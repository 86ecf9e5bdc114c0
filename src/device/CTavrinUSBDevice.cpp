#include "device/CTavrinUSBDevice.h"

#include <algorithm>

#include "device/CommandResult.h"

namespace ilmo::device {

namespace {

constexpr std::string_view kLinkWaitFailedTrace = "获取2.4G模式失败";

// Channels are opened for reading and writing, shared with other programs.
const OpenOptions kChannelOpen{true, true, true, false};

}  // namespace

CTavrinUSBDevice::CTavrinUSBDevice(HidBackend& backend, int page_row, DeviceFolders folders,
                                   std::string device_folder_name, TraceSink trace,
                                   SleepFn sleep)
    : page_row_(page_row),
      folders_(std::move(folders)),
      device_folder_name_(std::move(device_folder_name)),
      trace_(std::move(trace)),
      sleep_(sleep ? std::move(sleep) : real_sleep()),
      command_(backend, trace_, sleep_),
      events_(backend, trace_, sleep_),
      colors_(static_cast<size_t>(kDevicePages[page_row].light_count)) {
    const auto& option = kDeviceOptions[page_row];
    set_identity(find_interface_row(option.vendor_id, option.product_id, option.kind,
                                    option.role));
    page_parameter_ = option.light_table_index();
}

CTavrinUSBDevice::~CTavrinUSBDevice() { detach(); }

void CTavrinUSBDevice::set_identity(int slot) {
    if (slot < 0 || slot >= kSlotCount) return;
    slot_ = slot;
}

const SupportedInterface& CTavrinUSBDevice::interface_record() const {
    static constexpr SupportedInterface kNone{};
    const int slot = slot_;
    return slot < 0 ? kNone : kSupportedInterfaces[static_cast<size_t>(slot)];
}

Result CTavrinUSBDevice::attach_command_interface(const std::string& path, DeviceKind kind) {
    const bool receiver = is_receiver_kind(kind);
    HidInterface& record = receiver ? command_.receiver() : command_.cable();
    if (record.open(path, kChannelOpen) != 1) return Result::kNoAnswer;
    command_.set_connection_mode(receiver ? ConnectionMode::Receiver : ConnectionMode::Cable);
    command_.set_open(true);
    receiver_mode_ = receiver;
    return Result::kOk;
}

Result CTavrinUSBDevice::attach_event_interface(const std::string& path, DeviceKind kind) {
    const bool receiver = is_receiver_kind(kind);
    HidInterface& record = receiver ? events_.receiver() : events_.cable();
    if (record.open(path, kChannelOpen) != 1) return Result::kNoAnswer;
    events_.set_connection_mode(receiver ? ConnectionMode::Receiver : ConnectionMode::Cable);
    events_.set_open(true);
    event_interface_opened(receiver);
    return Result::kOk;
}

void CTavrinUSBDevice::detach_event_interface() {
    stopping_event_readers();
    events_.set_open(false);
    events_.cable().close();
    events_.receiver().close();
}

void CTavrinUSBDevice::detach() {
    // Marked closed first: device work still running sees it and starts no thread after the
    // stop below.
    command_.set_open(false);
    stopping_threads();
    command_.cable().close();
    command_.receiver().close();
    detach_event_interface();
}

void CTavrinUSBDevice::set_color(int light, ColorRecord color) {
    std::lock_guard lock(lights_mutex_);
    if (light < 0 || light >= static_cast<int>(colors_.size())) return;
    colors_[static_cast<size_t>(light)] = color;
}

ColorRecord CTavrinUSBDevice::color(int light) const {
    std::lock_guard lock(lights_mutex_);
    if (light < 0 || light >= static_cast<int>(colors_.size())) return {0, 0, 0, 0};
    return colors_[static_cast<size_t>(light)];
}

void CTavrinUSBDevice::set_sync_flag(bool on) {
    if (sync_flag_.exchange(on) != on) sync_flag_changed();
}

void CTavrinUSBDevice::apply_sync_color(ColorRecord color) {
    if (!sync_flag_) return;
    {
        std::lock_guard lock(lights_mutex_);
        std::fill(colors_.begin(), colors_.end(), color);
    }
    // The page repaints, and a device whose frames follow its lights is sent one.
    if (view_ != nullptr) view_->lights_changed();
}

void CTavrinUSBDevice::set_lighting_state(const LightRecord& state) {
    std::lock_guard lock(lights_mutex_);
    lighting_ = state;
}

LightRecord CTavrinUSBDevice::lighting_state() const {
    std::lock_guard lock(lights_mutex_);
    return lighting_;
}

Result CTavrinUSBDevice::read_information() {
    return command_.read_information(information_.bytes);
}

Result CTavrinUSBDevice::power_refresh() {
    if (!command_.is_open() || power_reads_paused_ || !link_check()) return Result::kNoAnswer;
    std::array<uint8_t, kPowerStatusBytes> record{};
    const Result outcome = command_.read_short(0, record);
    if (outcome != Result::kOk) return outcome;
    if (view_) view_->show_power(decode_power_status(record, receiver_mode_));
    return outcome;
}

bool CTavrinUSBDevice::wait_for_receiver_link() {
    bool linked = false;
    for (int attempt = 0; attempt < kLinkWaitAttempts && !linked && command_.is_open(); ++attempt) {
        linked = command_.link_query();
        if (!linked) {
            sleep_(kLinkWaitPauseMs);
            trace(kLinkWaitFailedTrace);
        }
    }
    // Whatever it reads lands on the page's power display; the link is what the caller asks.
    static_cast<void>(power_refresh());
    return linked;
}

void CTavrinUSBDevice::set_power_reads_paused(bool paused) {
    if (page().has_power_display) power_reads_paused_ = paused;
}

void CTavrinUSBDevice::set_function_switch_page(int page_type) {
    function_switch_page_ = page_type;
    if (view_) view_->select_function_tabs(function_switch_tabs(page_type, kind()));
}

}  // namespace ilmo::device
