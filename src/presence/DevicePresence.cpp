#include "presence/DevicePresence.h"

#include "device/CommandResult.h"

namespace ilmo::presence {

namespace {

using device::ControllerKind;
using device::InterfaceRole;
using device::kSupportedInterfaces;

const device::SupportedInterface& row_of(int slot) {
    return kSupportedInterfaces[static_cast<size_t>(slot)];
}

ControllerKind controller_kind(int slot) {
    return device::controller_for(row_of(slot).kind);
}

// What the debug output says when an interface of a controller kind comes or goes.
struct KindTraces {
    std::string_view added;
    std::string_view removed;
    std::string_view lost;
};

KindTraces traces_for(ControllerKind kind) {
    switch (kind) {
        case ControllerKind::Keyboard:
            return {"添加一个键盘设备", "删除一个键盘设备", "键盘设备丢失"};
        case ControllerKind::Mouse:
            return {"添加一个鼠标设备", "删除一个鼠标设备", "鼠标设备丢失"};
        case ControllerKind::MousePad:
            return {"添加一个鼠标垫设备", "删除一个鼠标垫设备", {}};
        default:
            return {};
    }
}

// The command interface of the product an interface belongs to.
int command_slot_of(int slot) {
    const auto& row = row_of(slot);
    if (row.role == InterfaceRole::Command) return slot;
    return device::find_interface_row(row.vendor_id, row.product_id, row.kind,
                                      InterfaceRole::Command);
}

// The device option row of a product: a receiver answers to its cabled twin's row.
int option_row_of(int command_slot) {
    const auto& row = row_of(device::identity_row(command_slot));
    return device::find_device_option(row.vendor_id, row.product_id, row.kind,
                                      InterfaceRole::Command);
}

bool valid_slot(int slot) {
    return slot >= 0 && slot < device::kSlotCount;
}

}  // namespace

DevicePresence::DevicePresence(PresenceView& view, const device::SlotTable& slots,
                               DeviceJobs& jobs, device::TraceSink trace)
    : view_(view),
      slots_(slots),
      trace_(std::move(trace)),
      selector_(view),
      work_(jobs),
      timers_(selector_, view, work_, trace_) {}

void DevicePresence::start() {
    for (const device::DeviceOption& option : device::kDeviceOptions) {
        const int slot = device::find_interface_row(option.vendor_id, option.product_id,
                                                    option.kind, option.role);
        if (slot >= 0) create_page(slot);
    }
}

int DevicePresence::create_page(int command_slot) {
    const int option_row = option_row_of(command_slot);
    if (option_row < 0) return -1;
    device::CTavrinUSBDevice* controller =
        view_.create_page(selector_.page_count(), option_row, command_slot);
    if (controller == nullptr) return -1;
    return selector_.add_page(option_row, controller);
}

void DevicePresence::arrival(int slot) {
    if (!valid_slot(slot)) return;
    trace(traces_for(controller_kind(slot)).added);
    const int command_slot = command_slot_of(slot);
    if (command_slot < 0) return;
    if (selector_.page_serving(command_slot) < 0) create_page(command_slot);
    if (row_of(slot).role == InterfaceRole::Event) {
        attach_events(slot);
    } else {
        connect(slot);
    }
    selector_.refresh_listing();
    set_window_hidden(false);
    view_.raise_main_window();
}

void DevicePresence::removal(int slot) {
    if (!valid_slot(slot)) return;
    const KindTraces traces = traces_for(controller_kind(slot));
    trace(traces.removed);
    trace(traces.lost);
    if (row_of(slot).role == InterfaceRole::Event) {
        detach_events(slot);
        return;
    }
    const int page = selector_.page_serving(slot);
    if (!twin_occupied(slot)) {
        if (page >= 0) disconnect(page);
    } else if (!device::is_receiver_kind(row_of(slot).kind)) {
        switch_link(slot, Link::Receiver);
    } else if (page >= 0) {
        // The device carries on by cable; only the receiver's handle is dead.
        selector_.page(page).controller->command_channel().receiver().close();
    }
}

void DevicePresence::shutdown() {
    for (int index = 0; index < selector_.page_count(); ++index) {
        work_.invalidate(index);
        selector_.page(index).controller->detach();
    }
}

void DevicePresence::connect(int command_slot) {
    const auto& row = row_of(command_slot);
    if (twin_occupied(command_slot)) {
        // Already reached through its other connection: a cable takes over from the
        // receiver, a receiver waits until the cable is pulled.
        if (!device::is_receiver_kind(row.kind)) switch_link(command_slot, Link::Cable);
        return;
    }
    const int page = selector_.page_serving(command_slot);
    if (page < 0) return;
    PresencePage& p = selector_.page(page);
    if (p.connected) return;
    // A channel that does not open leaves the page disconnected and its item hidden; the
    // slot stays claimed, so the device is offered again only after it is re-plugged.
    if (p.controller->attach_command_interface(slots_.slot(command_slot).path, row.kind) !=
        device::Result::kOk)
        return;
    work_.invalidate(page);
    p.connected = true;
    p.on_receiver_link = device::is_receiver_kind(row.kind);
    // The controller takes the kind and slot of the interface it is attached through.
    p.controller->set_identity(command_slot);
    // A receiver's item waits for the presence check: its device may be away.
    if (!p.on_receiver_link) selector_.show_item(page);
    timers_.arm(page, ItemTimer::Presence, ItemTimerDelays::kPresenceAfterConnectMs);
    // Unplugged and plugged again between two scans: the scan saw the command interface go
    // and come, but its event interface stayed claimed, closed by the disconnect. Open it
    // again, or the device's events would go unheard until the next unplug.
    const int event_slot = device::find_interface_row(row.vendor_id, row.product_id, row.kind,
                                                      InterfaceRole::Event);
    if (event_slot >= 0 && slots_.occupied(event_slot) &&
        !p.controller->event_channel().is_open())
        attach_events(event_slot);
}

void DevicePresence::switch_link(int cable_slot, Link target) {
    const int page = selector_.page_serving(cable_slot);
    if (page < 0) return;
    PresencePage& p = selector_.page(page);
    device::CTavrinUSBDevice& controller = *p.controller;
    work_.invalidate(page);
    p.connected = false;
    // Going to the receiver means the cable was pulled: its slot is already empty, and the
    // device is reached through the receiver's interface instead.
    const int open_slot = target == Link::Cable ? cable_slot : row_of(cable_slot).twin_row;
    const device::Result opened =
        controller.attach_command_interface(slots_.slot(open_slot).path, row_of(open_slot).kind);
    if (target == Link::Receiver) controller.command_channel().cable().close();
    view_.refresh_page(page);
    if (opened != device::Result::kOk) {
        disconnect(page);
        return;
    }
    p.connected = true;
    p.on_receiver_link = target == Link::Receiver;
    controller.set_identity(open_slot);
    if (target == Link::Receiver) {
        wait_for_receiver(page);
        return;
    }
    timers_.arm(page, ItemTimer::Presence, ItemTimerDelays::kPresenceAfterConnectMs);
    selector_.show_item(page);
    view_.close_settings_window();
}

void DevicePresence::wait_for_receiver(int page) {
    const PresencePage& p = selector_.page(page);
    device::CTavrinUSBDevice* controller = p.controller;
    if (!p.has_power_display()) {
        load_after_switch(page);
        return;
    }
    // A device that never answers keeps this up for 26 link queries of up to five seconds
    // each; whether it answered, the page goes on as on the receiver.
    work_.start_next<bool>(
        page, [controller] { return controller->wait_for_receiver_link(); },
        [this, page](bool) {
            view_.refresh_page(page);
            load_after_switch(page);
        });
}

void DevicePresence::load_after_switch(int page) {
    device::CTavrinUSBDevice* controller = selector_.page(page).controller;
    work_.start_next<device::Result>(
        page, [controller] { return controller->load_after_attach(); },
        [this, page](device::Result loaded) {
            trace_failure("load after the switch to the receiver", loaded);
            timers_.arm(page, ItemTimer::LinkWatch, ItemTimerDelays::kFirstLinkWatchMs);
            view_.refresh_page(page);
            view_.close_settings_window();
        });
}

void DevicePresence::disconnect(int page) {
    PresencePage& p = selector_.page(page);
    work_.invalidate(page);
    p.connected = false;
    p.on_receiver_link = false;
    p.controller->detach();
    timers_.stop_all(page);
    selector_.hide_page(page);
}

void DevicePresence::attach_events(int event_slot) {
    const int page = selector_.page_serving(command_slot_of(event_slot));
    if (page < 0) return;
    trace_failure("event interface open",
                  selector_.page(page).controller->attach_event_interface(
                      slots_.slot(event_slot).path, row_of(event_slot).kind));
}

void DevicePresence::detach_events(int event_slot) {
    const int page = selector_.page_serving(command_slot_of(event_slot));
    if (page < 0) return;
    device::CTavrinUSBDevice& controller = *selector_.page(page).controller;
    controller.detach_event_interface();
    // Detaching closes the event channel on both connections; a product still plugged
    // through its other one keeps its events there.
    if (twin_occupied(event_slot)) {
        const int twin = row_of(event_slot).twin_row;
        trace_failure("event interface open",
                      controller.attach_event_interface(slots_.slot(twin).path, row_of(twin).kind));
    }
}

void DevicePresence::trace_failure(std::string_view what, device::Result outcome) const {
    if (device::succeeded(outcome)) return;
    trace(device::failure_trace(what, outcome));
}

bool DevicePresence::twin_occupied(int slot) const {
    const auto& row = row_of(slot);
    return row.has_twin && slots_.occupied(row.twin_row) && row_of(row.twin_row).twin_row == slot;
}

void DevicePresence::set_window_hidden(bool hidden) {
    for (int index = 0; index < selector_.page_count(); ++index) {
        const PresencePage& p = selector_.page(index);
        const ControllerKind kind = p.controller_kind();
        if (kind == ControllerKind::Mouse || kind == ControllerKind::Keyboard)
            p.controller->set_power_reads_paused(hidden);
    }
    set_previews_paused(hidden);
}

void DevicePresence::set_previews_paused(bool paused) {
    for (int index = 0; index < selector_.page_count(); ++index)
        selector_.page(index).controller->set_preview_paused(paused);
}

void DevicePresence::set_lighting_control(bool on) {
    for (int index = 0; index < selector_.page_count(); ++index) {
        const PresencePage& p = selector_.page(index);
        if (p.controller_kind() != ControllerKind::Headset) p.controller->set_light_status(on);
    }
}

}  // namespace ilmo::presence
