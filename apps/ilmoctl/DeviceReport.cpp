#include "DeviceReport.h"

#include <cstdio>

#include "device/CTavrinUSBDevice.h"
#include "device/CommandResult.h"

namespace ilmo::ctl {

namespace {

using device::DeviceKind;
using device::Result;

// Keeps the last power record the controller hands to its page.
class PowerCapture : public device::DeviceView {
public:
    void show_power(const device::PowerStatus& status) override { status_ = status; }
    void select_function_tabs(const device::FunctionSwitchTabs&) override {}
    const device::PowerStatus& status() const { return status_; }

private:
    device::PowerStatus status_;
};

int page_row_for_slot(int slot) {
    const auto& row = device::kSupportedInterfaces[device::identity_row(slot)];
    return device::find_device_option(row.vendor_id, row.product_id, row.kind, row.role);
}

std::string hex_bytes(const uint8_t* bytes, size_t count) {
    std::string text;
    char hex[4];
    for (size_t i = 0; i < count; ++i) {
        std::snprintf(hex, sizeof hex, i == 0 ? "%02x" : " %02x", bytes[i]);
        text += hex;
    }
    return text;
}

const char* charge_text(int state) {
    switch (state) {
        case 0: return "powered";
        case 1: return "charging";
        case 2: return "on battery";
        default: return "unknown";
    }
}

}  // namespace

bool DeviceReport::ok() const {
    if (open_result != Result::kOk) return false;
    if (!speaks_commands) return true;
    return information_result == Result::kOk && power_result == Result::kOk;
}

DeviceReport read_device_report(device::HidBackend& backend, const device::SlotTable& slots,
                                int slot, const device::TraceSink& trace) {
    DeviceReport report;
    report.slot = slot;
    report.kind = device::kSupportedInterfaces[slot].kind;
    report.path = slots.slot(slot).path;
    report.speaks_commands = report.kind != DeviceKind::Headset;
    const int page_row = page_row_for_slot(slot);
    if (page_row < 0) return report;

    device::CTavrinUSBDevice controller(backend, page_row, {}, "", trace);
    PowerCapture view;
    controller.set_view(&view);
    report.open_result = controller.attach_command_interface(report.path, report.kind);
    auto& channel = controller.command_channel();
    const auto& opened = controller.receiver_mode() ? channel.receiver() : channel.cable();
    report.release_number = opened.attributes().version_number;
    if (report.open_result != Result::kOk || !report.speaks_commands) return report;

    report.linked = controller.link_check();
    report.information_result = channel.begin_transfer();
    if (report.information_result == Result::kOk)
        report.information_result = controller.read_information();
    if (report.information_result == Result::kOk)
        report.information_result = channel.end_transfer();
    report.information = controller.information();
    report.power_result = controller.power_refresh();
    report.power = view.status();
    return report;
}

std::string format_device_report(const DeviceReport& r) {
    char line[160];
    std::string text;
    auto add = [&](const char* format, auto... values) {
        // A line without values is plain text; only lines with values are formatted.
        if constexpr (sizeof...(values) == 0) {
            text += format;
        } else {
            std::snprintf(line, sizeof line, format, values...);
            text += line;
        }
        text += '\n';
    };
    add("slot %d: %s", r.slot, std::string(device::kind_name(r.kind)).c_str());
    add("  path            %s", r.path.c_str());
    if (r.open_result != device::Result::kOk) {
        add("  open failed     the interface could not be opened for reading and writing");
        return text;
    }
    add("  release number  0x%04x", r.release_number);
    if (!r.speaks_commands) {
        add("  commands        none: this device takes lighting output reports only");
        return text;
    }
    add("  link            %s", r.linked ? "linked" : "device not reachable");
    if (r.information_result != device::Result::kOk) {
        add("  information     failed: %s (%d)", device::describe(r.information_result),
            r.information_result);
    } else {
        const auto& info = r.information;
        add("  information     %s", hex_bytes(info.bytes.data(), info.bytes.size()).c_str());
        add("  key positions / buttons  %d", info.key_positions());
        add("  macro memory    %d bytes", info.macro_memory_bytes());
        add("  sensor          0x%04x", info.sensor_id());
        add("  DPI             lowest %d, step %d, highest step %d", info.lowest_dpi(),
            info.dpi_step(), info.highest_dpi_step());
    }
    if (r.power_result != device::Result::kOk) {
        add("  power           failed: %s (%d)", device::describe(r.power_result),
            r.power_result);
    } else {
        add("  power           %s, %s, %s", device::battery_text(r.power).c_str(),
            charge_text(r.power.charge_state()), r.power.on_receiver() ? "receiver" : "cable");
        if (r.kind == DeviceKind::MousePad)
            add("  phone           %s", std::string(device::phone_type_key(r.power)).c_str());
    }
    return text;
}

}  // namespace ilmo::ctl
