#include "DeviceSession.h"

#include <cstdio>
#include <system_error>
#include <type_traits>

#include "audio/ConfLib.h"
#include "keyboard/FirmwareCheck.h"

namespace ilmo::ctl {

namespace {

using device::Result;

int page_row_of(device::DeviceKind kind) {
    for (size_t row = 0; row < device::kDeviceOptions.size(); ++row)
        if (device::kDeviceOptions[row].kind == kind) return static_cast<int>(row);
    return -1;
}

std::string product_name(const device::CTavrinUSBDevice& controller) {
    return std::string(device::kind_name(controller.option().kind));
}

}  // namespace

template <class Controller>
std::string ProductLink<Controller>::profile_name() const {
    if (!profiles) return {};
    const int selected = profiles->selected();
    const auto& entries = profiles->entries();
    if (selected < 0 || static_cast<size_t>(selected) >= entries.size()) return {};
    return entries[static_cast<size_t>(selected)].name;
}

template struct ProductLink<keyboard::CTavrinKeyboardDevice>;
template struct ProductLink<keyboard::CTavrinMousePadDevice>;
template struct ProductLink<mouse::CTavrinMouseDevice>;
template struct ProductLink<headset::CTavrinHS6533Device>;

std::string_view link_name(Link link) {
    switch (link) {
        case Link::Cable: return "cable";
        case Link::Receiver: return "receiver";
        case Link::None: break;
    }
    return "none";
}

DeviceSession::DeviceSession(device::HidBackend& backend, device::DeviceFolders folders,
                             device::TraceSink trace, Notice notice)
    : backend_(backend),
      folders_(std::move(folders)),
      trace_(std::move(trace)),
      notice_(std::move(notice)),
      survey_(device::survey_interfaces(backend_, slots_)) {}

// The controllers close their channels and end their threads before the backend goes.
DeviceSession::~DeviceSession() = default;

KeyboardLink* DeviceSession::keyboard(std::string& error) {
    if (!keyboard_.controller && keyboard_error_.empty())
        set_up(keyboard_, device::DeviceKind::Keyboard, keyboard_error_);
    error = keyboard_error_;
    return error.empty() ? &keyboard_ : nullptr;
}

PadLink* DeviceSession::pad(std::string& error) {
    if (!pad_.controller && pad_error_.empty())
        set_up(pad_, device::DeviceKind::MousePad, pad_error_);
    error = pad_error_;
    return error.empty() ? &pad_ : nullptr;
}

MouseLink* DeviceSession::mouse(std::string& error) {
    if (!mouse_.controller && mouse_error_.empty())
        set_up(mouse_, device::DeviceKind::Mouse, mouse_error_);
    error = mouse_error_;
    return error.empty() ? &mouse_ : nullptr;
}

std::filesystem::path DeviceSession::audio_library() const {
    return audio::conf_lib_file(folders_.program_folder, emulated_audio_);
}

HeadsetLink* DeviceSession::headset(std::string& error) {
    if (!headset_.controller && headset_error_.empty()) {
        // The sound side is started as the page starts it, with or without the lights' HID
        // interface: the library finds the headset's sound card on its own.
        if (set_up(headset_, device::DeviceKind::Headset, headset_error_) && !headset_.connected())
            static_cast<void>(headset_.controller->start_audio());
    }
    error = headset_error_;
    return error.empty() ? &headset_ : nullptr;
}

template <class Controller>
bool DeviceSession::set_up(ProductLink<Controller>& link, device::DeviceKind kind,
                           std::string& error) {
    const int row = page_row_of(kind);
    const std::string folder_name(device::device_folder_name(row));
    const std::filesystem::path default_document = folders_.default_profile_file(folder_name);
    std::error_code missing;
    if (!std::filesystem::is_regular_file(default_document, missing)) {
        error = "the default profile " + default_document.string() +
                " is missing; set ILMO_PROGRAM_FOLDER to the folder that holds DefaultData";
        return false;
    }
    if constexpr (std::is_same_v<Controller, headset::CTavrinHS6533Device>) {
        link.controller = std::make_unique<Controller>(backend_, row, folders_, folder_name, trace_,
                                                       audio_library());
        link.controller->set_view(&headset_ticks_);
    } else {
        link.controller =
            std::make_unique<Controller>(backend_, row, folders_, folder_name, trace_);
    }
    if constexpr (std::is_same_v<Controller, mouse::CTavrinMouseDevice>)
        if (screen_size_) link.controller->set_screen_size(screen_size_());
    link.profiles = std::make_unique<profiles::ProfileList>(
        folders_.profile_folder(folder_name), default_document, device::to_int(kind),
        identifiers_, trace_);
    const profiles::ProfileResult started = link.profiles->initialise();
    const std::filesystem::path document = link.profiles->document_path(link.profiles->selected());
    if (document.empty()) {
        error = started.outcome == profiles::ProfileOutcome::NoFolder
                    ? "no profile folder could be made under " + folders_.user_data_folder.string()
                    : "the profile list " + link.profiles->index_path().string() +
                          " could not be written";
        return false;
    }
    const profiles::ProfileLoad loaded = link.controller->load_profile(document);
    if (loaded.set_aside && notice_)
        notice_("the profile " + document.string() +
                " did not read; it was kept aside and the defaults replace it");
    else if (!loaded.saved && notice_)
        notice_("the profile " + document.string() + " could not be written");
    link.controller->set_profile_name(link.profile_name());
    return connect(link, error);
}

template <class Controller>
bool DeviceSession::connect(ProductLink<Controller>& link, std::string& error) {
    Controller& controller = *link.controller;
    const device::DeviceOption& option = controller.option();
    const int cable = device::find_interface_row(option.vendor_id, option.product_id, option.kind,
                                                 device::InterfaceRole::Command);
    if (cable < 0) return true;
    const device::SupportedInterface& cable_row = device::kSupportedInterfaces[cable];
    // A device on both keeps to its cable, as the program does: options go out by cable only.
    int slot = -1;
    if (slots_.occupied(cable)) {
        slot = cable;
        link.link = Link::Cable;
    } else if (cable_row.has_twin && slots_.occupied(cable_row.twin_row)) {
        slot = cable_row.twin_row;
        link.link = Link::Receiver;
    } else {
        return true;  // not connected: the profile alone
    }
    const std::string& path = slots_.slot(slot).path;
    const device::DeviceKind kind = device::kSupportedInterfaces[slot].kind;
    if (controller.attach_command_interface(path, kind) != Result::kOk) {
        error = "the " + product_name(controller) + " at " + path + " could not be opened";
        return false;
    }
    controller.set_identity(slot);
    if constexpr (std::is_same_v<Controller, keyboard::CTavrinKeyboardDevice>) {
        const uint16_t release = controller.command_channel().cable().attributes().version_number;
        if (link.link == Link::Cable && keyboard::firmware_update_offered(release)) {
            char text[120];
            std::snprintf(text, sizeof text,
                          "the keyboard's firmware (release %x.%02x) needs an update first; start "
                          "ilmo to update it",
                          release >> 8, release & 0xFF);
            error = text;
            return false;
        }
    }
    const Result loaded = controller.load_after_attach();
    if constexpr (std::is_same_v<Controller, mouse::CTavrinMouseDevice>) {
        // As on the page: the profile stands in for the mouse until it is back in reach.
        if (!device::succeeded(loaded) && controller.writes_blocked()) return true;
    }
    if (!device::succeeded(loaded)) {
        error = device::failure_trace("reading the " + product_name(controller), loaded);
        return false;
    }
    return true;
}

}  // namespace ilmo::ctl
