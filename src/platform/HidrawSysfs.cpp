#include "platform/HidrawSysfs.h"

#include <charconv>
#include <fstream>
#include <string_view>

#include "platform/UdevPtr.h"

namespace ilmo::platform {

namespace {

// The kernel caps report descriptors at 4 KiB; a larger file is not one.
constexpr std::streamsize kMaxDescriptorBytes = 4096;

std::optional<uint16_t> hex_attribute(udev_device* device, const char* name) {
    const char* text = device ? udev_device_get_sysattr_value(device, name) : nullptr;
    if (!text) return std::nullopt;
    const std::string_view view(text);
    unsigned value = 0;
    const auto [end, error] = std::from_chars(view.data(), view.data() + view.size(), value, 16);
    if (error != std::errc{} || value > 0xFFFF) return std::nullopt;
    return static_cast<uint16_t>(value);
}

std::optional<std::vector<uint8_t>> read_descriptor(udev_device* hid) {
    const std::string file = std::string(udev_device_get_syspath(hid)) + "/report_descriptor";
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<uint8_t> bytes(kMaxDescriptorBytes + 1);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (in.bad() || in.gcount() == 0 || in.gcount() > kMaxDescriptorBytes) return std::nullopt;
    bytes.resize(static_cast<size_t>(in.gcount()));
    return bytes;
}

std::optional<HidrawNodeInfo> node_info(udev_device* hidraw, WithDescriptor with_descriptor) {
    const char* devnode = udev_device_get_devnode(hidraw);
    udev_device* hid = udev_device_get_parent_with_subsystem_devtype(hidraw, "hid", nullptr);
    if (!devnode || !hid) return std::nullopt;

    HidrawNodeInfo info;
    info.devnode = devnode;
    udev_device* usb_device =
        udev_device_get_parent_with_subsystem_devtype(hidraw, "usb", "usb_device");
    udev_device* usb_interface =
        udev_device_get_parent_with_subsystem_devtype(hidraw, "usb", "usb_interface");
    if (const char* hid_id = udev_device_get_property_value(hid, "HID_ID")) {
        const auto identity = parse_hid_id(hid_id);
        if (!identity) return std::nullopt;
        info.identity = *identity;
    } else {
        const auto vendor = hex_attribute(usb_device, "idVendor");
        const auto product = hex_attribute(usb_device, "idProduct");
        if (!vendor || !product) return std::nullopt;
        info.identity = {*vendor, *product, {}};
    }
    if (const auto number = hex_attribute(usb_interface, "bInterfaceNumber")) {
        info.identity.interface_number = static_cast<uint8_t>(*number);
    }
    info.release_number = hex_attribute(usb_device, "bcdDevice").value_or(0);
    if (with_descriptor == WithDescriptor::Yes) {
        auto descriptor = read_descriptor(hid);
        if (!descriptor) return std::nullopt;
        info.report_descriptor = std::move(*descriptor);
    }
    return info;
}

}  // namespace

std::optional<std::vector<HidrawNodeInfo>> read_hidraw_nodes() {
    std::vector<HidrawNodeInfo> nodes;
    const UdevPtr context(udev_new());
    const UdevEnumeratePtr enumerate(context ? udev_enumerate_new(context.get()) : nullptr);
    if (!enumerate || udev_enumerate_add_match_subsystem(enumerate.get(), "hidraw") < 0 ||
        udev_enumerate_scan_devices(enumerate.get()) < 0) {
        return std::nullopt;
    }
    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerate.get())) {
        const UdevDevicePtr device(
            udev_device_new_from_syspath(context.get(), udev_list_entry_get_name(entry)));
        if (!device) continue;
        if (auto info = node_info(device.get(), WithDescriptor::Yes)) {
            nodes.push_back(std::move(*info));
        }
    }
    return nodes;
}

std::optional<HidrawNodeInfo> read_hidraw_node(const std::string& devnode,
                                               WithDescriptor with_descriptor) {
    const std::string_view prefix = "/dev/";
    if (devnode.rfind(prefix, 0) != 0) return std::nullopt;
    const UdevPtr context(udev_new());
    if (!context) return std::nullopt;
    const std::string sysname = devnode.substr(prefix.size());
    const UdevDevicePtr hidraw(
        udev_device_new_from_subsystem_sysname(context.get(), "hidraw", sysname.c_str()));
    if (!hidraw) return std::nullopt;
    return node_info(hidraw.get(), with_descriptor);
}

}  // namespace ilmo::platform
