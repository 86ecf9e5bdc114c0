#include "device/DeviceTables.h"

#include <cctype>

namespace ilmo::device {

namespace {

size_t find_ignoring_case(std::string_view text, std::string_view tag) {
    if (tag.empty() || text.size() < tag.size()) return std::string_view::npos;
    for (size_t i = 0; i + tag.size() <= text.size(); ++i) {
        bool equal = true;
        for (size_t k = 0; k < tag.size() && equal; ++k) {
            equal = std::tolower(static_cast<unsigned char>(text[i + k])) ==
                    std::tolower(static_cast<unsigned char>(tag[k]));
        }
        if (equal) return i;
    }
    return std::string_view::npos;
}

int hex_digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

uint32_t parse_path_id(std::string_view path, std::string_view tag) {
    const size_t at = find_ignoring_case(path, tag);
    if (at == std::string_view::npos) return 0;
    uint32_t value = 0;
    // Eight digits fill 32 bits; anything longer is not an id of ours.
    for (size_t i = at + tag.size(), digits = 0; i < path.size() && digits < 8; ++i, ++digits) {
        const int d = hex_digit(path[i]);
        if (d < 0) break;
        value = value * 16 + static_cast<uint32_t>(d);
    }
    return value;
}

PathIdentity parse_path_identity(std::string_view path) {
    return {parse_path_id(path, "vid_"), parse_path_id(path, "pid_"),
            parse_path_id(path, "&mi_"), parse_path_id(path, "&col")};
}

int find_interface_row(int vendor_id, int product_id, DeviceKind kind, InterfaceRole role) {
    for (int row = 0; row < kSlotCount; ++row) {
        const auto& r = kSupportedInterfaces[row];
        if (r.vendor_id == vendor_id && r.product_id == product_id && r.kind == kind &&
            r.role == role)
            return row;
    }
    return -1;
}

int find_device_option(int vendor_id, int product_id, DeviceKind kind, InterfaceRole role) {
    for (int row = 0; row < kPageCount; ++row) {
        const auto& r = kDeviceOptions[row];
        if (r.vendor_id == vendor_id && r.product_id == product_id && r.kind == kind &&
            r.role == role)
            return row;
    }
    return -1;
}

ControllerKind controller_for(DeviceKind kind) {
    switch (kind) {
        case DeviceKind::Keyboard:
        case DeviceKind::KeyboardReceiver: return ControllerKind::Keyboard;
        case DeviceKind::Mouse:
        case DeviceKind::MouseReceiver: return ControllerKind::Mouse;
        case DeviceKind::MousePad: return ControllerKind::MousePad;
        case DeviceKind::Headset: return ControllerKind::Headset;
        case DeviceKind::None: break;
    }
    return ControllerKind::None;
}

bool is_receiver_kind(DeviceKind kind) {
    return kind == DeviceKind::KeyboardReceiver || kind == DeviceKind::MouseReceiver;
}

std::string_view kind_name(DeviceKind kind) {
    switch (kind) {
        case DeviceKind::Keyboard: return "keyboard";
        case DeviceKind::KeyboardReceiver: return "keyboard receiver";
        case DeviceKind::Mouse: return "mouse";
        case DeviceKind::MouseReceiver: return "mouse receiver";
        case DeviceKind::MousePad: return "mouse-pad";
        case DeviceKind::Headset: return "headset";
        case DeviceKind::None: break;
    }
    return "none";
}

std::string_view device_folder_name(int page_row) {
    // The mouse, keyboard and pad carry their model codes; the headset has none of its own.
    static constexpr std::array<std::string_view, kPageCount> kFolders{
        kProductIdentities[0].model_code, kProductIdentities[1].model_code,
        kProductIdentities[2].model_code, "HS6533"};
    if (page_row < 0 || page_row >= kPageCount) return {};
    return kFolders[static_cast<size_t>(page_row)];
}

int identity_row(int row) {
    if (row < 0 || row >= kSlotCount) return -1;
    const auto& r = kSupportedInterfaces[row];
    return is_receiver_kind(r.kind) && r.has_twin ? r.twin_row : row;
}

}  // namespace ilmo::device
