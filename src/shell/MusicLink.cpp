#include "shell/MusicLink.h"

#include <vector>

#include "capture/CAudioRecorImpl.h"
#include "capture/CSingleton.h"
#include "keyboard/CTavrinKeyboardDevice.h"
#include "presence/DevicePresence.h"

namespace ilmo::shell {

namespace {

capture::CAudioRecorImpl& capture_entry() {
    return capture::CSingleton<capture::CAudioRecorImpl>::instance();
}

// The controller of the first connected page of `kind`; null when none.
device::CTavrinUSBDevice* first_connected(const presence::DevicePresence& devices,
                                          device::ControllerKind kind) {
    for (int i = 0; i < devices.page_count(); ++i) {
        const presence::PresencePage& page = devices.page(i);
        if (page.connected && page.controller_kind() == kind) return page.controller;
    }
    return nullptr;
}

}  // namespace

MusicLink::MusicLink(std::function<presence::DevicePresence*()> devices)
    : devices_(std::move(devices)) {}

MusicLink::~MusicLink() {
    // The start registers this window: it ends before the window is taken off. The first
    // stop ends a start still waiting on a sound server that never answers, so closing does
    // not wait for it; the second ends one that only began after the first.
    capture_entry().command(capture::kCommandMagic, capture::kStopCapture);
    if (starter_.joinable()) starter_.join();
    capture_entry().command(capture::kCommandMagic, capture::kStopCapture);
    capture_entry().command(capture::kCommandMagic, capture::kRegisterWindow, nullptr);
}

void MusicLink::start() {
    if (starter_.joinable()) return;
    starter_ = std::thread([this] {
        capture_entry().command(capture::kCommandMagic, capture::kRegisterWindow, this);
        capture_entry().command(capture::kCommandMagic, capture::kStartCapture);
    });
}

void MusicLink::copy_data(capture::CopyData notice) {
    QMetaObject::invokeMethod(
        &receiver_, [this, notice = std::move(notice)] { handle(notice); },
        Qt::QueuedConnection);
}

void MusicLink::handle(const capture::CopyData& notice) {
    presence::DevicePresence* devices = devices_ ? devices_() : nullptr;
    if (devices == nullptr) return;
    using device::ControllerKind;
    if (const auto values = lighting::parse_keyboard_values_notice(notice.number, notice.byte_count,
                                                                   notice.bytes)) {
        if (auto* keyboard = dynamic_cast<keyboard::CTavrinKeyboardDevice*>(
                first_connected(*devices, ControllerKind::Keyboard)))
            keyboard->keep_notice_values(*values);
        return;
    }
    const auto levels =
        lighting::parse_levels_notice(notice.number, notice.byte_count, notice.bytes);
    if (!levels) return;
    std::vector<device::DeviceKind> in_use;
    for (int i = 0; i < devices->page_count(); ++i)
        if (devices->page(i).connected)
            in_use.push_back(devices->page(i).controller->option().kind);
    const lighting::BandOutput bands = bands_.step(*levels, in_use);
    if (bands.keyboard)
        if (auto* keyboard = first_connected(*devices, ControllerKind::Keyboard))
            keyboard->audio_input(*bands.keyboard);
    if (bands.mouse)
        if (auto* mouse = first_connected(*devices, ControllerKind::Mouse))
            mouse->audio_input(*bands.mouse);
}

}  // namespace ilmo::shell
