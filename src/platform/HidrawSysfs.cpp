#include "platform/HidrawSysfs.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <string_view>

namespace ilmo::platform {

namespace {

namespace fs = std::filesystem;

// The kernel caps report descriptors at 4 KiB; a larger file is not one.
constexpr std::streamsize kMaxDescriptorBytes = 4096;
// Attribute and uevent files are a few lines; more is not one of them.
constexpr std::streamsize kMaxTextBytes = 4096;
constexpr uint16_t kUsbBus = 0x0003;

fs::path class_folder(const HidrawRoots& roots) {
    return fs::path(roots.sysfs) / "class" / "hidraw";
}

std::optional<std::string> read_text(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string text(static_cast<size_t>(kMaxTextBytes), '\0');
    in.read(text.data(), kMaxTextBytes);
    if (in.bad()) return std::nullopt;
    text.resize(static_cast<size_t>(in.gcount()));
    return text;
}

// The value of `key` in a uevent file ("KEY=value" lines).
std::optional<std::string> uevent_value(const fs::path& folder, std::string_view key) {
    const auto text = read_text(folder / "uevent");
    if (!text) return std::nullopt;
    std::string_view rest(*text);
    while (!rest.empty()) {
        const size_t end = std::min(rest.find('\n'), rest.size());
        const std::string_view line = rest.substr(0, end);
        if (line.size() > key.size() && line.starts_with(key) && line[key.size()] == '=')
            return std::string(line.substr(key.size() + 1));
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    return std::nullopt;
}

// A hexadecimal attribute such as idVendor or bInterfaceNumber.
std::optional<uint16_t> hex_attribute(const fs::path& folder, const char* name) {
    const auto text = read_text(folder / name);
    if (!text) return std::nullopt;
    std::string_view view(*text);
    while (!view.empty() && (view.back() == '\n' || view.back() == ' ')) view.remove_suffix(1);
    unsigned value = 0;
    const auto [end, error] = std::from_chars(view.data(), view.data() + view.size(), value, 16);
    if (error != std::errc{} || end != view.data() + view.size() || value > 0xFFFF)
        return std::nullopt;
    return static_cast<uint16_t>(value);
}

std::optional<std::vector<uint8_t>> read_descriptor(const fs::path& hid_folder) {
    std::ifstream in(hid_folder / "report_descriptor", std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<uint8_t> bytes(kMaxDescriptorBytes + 1);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (in.bad() || in.gcount() == 0 || in.gcount() > kMaxDescriptorBytes) return std::nullopt;
    bytes.resize(static_cast<size_t>(in.gcount()));
    return bytes;
}

// The bus number of a HID_ID value ("0003:0000320F:00005012").
std::optional<uint16_t> bus_of(std::string_view hid_id) {
    unsigned bus = 0;
    const auto [end, error] =
        std::from_chars(hid_id.data(), hid_id.data() + hid_id.size(), bus, 16);
    if (error != std::errc{} || end == hid_id.data() + hid_id.size() || *end != ':')
        return std::nullopt;
    return static_cast<uint16_t>(bus);
}

std::optional<HidrawNodeInfo> node_info(const HidrawRoots& roots, const std::string& name,
                                        WithDescriptor with_descriptor) {
    const fs::path node_folder = class_folder(roots) / name;
    std::error_code error;
    // The hid device the node belongs to; for a USB device its parent is the interface and
    // the interface's parent the device.
    const fs::path hid_folder = fs::canonical(node_folder / "device", error);
    if (error) return std::nullopt;
    const auto hid_id = uevent_value(hid_folder, "HID_ID");
    if (!hid_id) return std::nullopt;
    const auto identity = parse_hid_id(*hid_id);
    if (!identity) return std::nullopt;

    HidrawNodeInfo info;
    info.devnode = roots.dev + "/" + uevent_value(node_folder, "DEVNAME").value_or(name);
    info.identity = *identity;
    if (bus_of(*hid_id) == kUsbBus) {
        const fs::path usb_interface = hid_folder.parent_path();
        if (const auto number = hex_attribute(usb_interface, "bInterfaceNumber"))
            info.identity.interface_number = static_cast<uint8_t>(*number);
        info.release_number = hex_attribute(usb_interface.parent_path(), "bcdDevice").value_or(0);
    }
    if (with_descriptor == WithDescriptor::Yes)
        info.report_descriptor = read_descriptor(hid_folder);
    return info;
}

}  // namespace

std::optional<std::vector<HidrawNodeInfo>> read_hidraw_nodes(const HidrawRoots& roots) {
    std::error_code error;
    const fs::path folder = class_folder(roots);
    // Without the class folder the hidraw driver is not loaded: there are no nodes, which is
    // an answer. Without sysfs itself there is none.
    if (!fs::exists(folder, error)) {
        if (fs::is_directory(fs::path(roots.sysfs) / "class", error)) {
            return std::vector<HidrawNodeInfo>{};
        }
        return std::nullopt;
    }
    std::vector<std::string> names;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        names.push_back(it->path().filename().string());
    if (error) return std::nullopt;
    // hidraw2 before hidraw10, as the kernel numbered them.
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    });
    std::vector<HidrawNodeInfo> nodes;
    for (const std::string& name : names) {
        // A node that vanished or whose device is unreadable is not listed.
        if (auto info = node_info(roots, name, WithDescriptor::Yes))
            nodes.push_back(std::move(*info));
    }
    return nodes;
}

std::optional<HidrawNodeInfo> read_hidraw_node(const HidrawRoots& roots, const std::string& devnode,
                                               WithDescriptor with_descriptor) {
    const std::string prefix = roots.dev + "/";
    if (!devnode.starts_with(prefix)) return std::nullopt;
    const std::string name = devnode.substr(prefix.size());
    if (name.empty() || name.find('/') != std::string::npos || name == "." || name == "..")
        return std::nullopt;
    auto info = node_info(roots, name, with_descriptor);
    // The path must name the node as it is listed, not merely reach the same sysfs entry.
    if (!info || info->devnode != devnode) return std::nullopt;
    return info;
}

}  // namespace ilmo::platform
