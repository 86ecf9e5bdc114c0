#pragma once
// The text form of a hidraw interface path and the identity it carries:
// "/dev/hidrawN#vid_320f&pid_5012&mi_01&col04". The tags after '#' follow the Windows
// device-path form, so the table matching reads them unchanged. Pure functions.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "device/DeviceTables.h"

namespace ilmo::platform {

// What sysfs says about the device behind one hidraw node.
struct HidrawIdentity {
    uint16_t vendor_id = 0;
    uint16_t product_id = 0;
    std::optional<uint8_t> interface_number;  // only USB devices have one
};

// `collection_index` is 0-based; "&colNN" (1-based, hex) is written only when the interface
// has several top-level collections, as Windows does.
std::string format_hidraw_path(std::string_view devnode, const HidrawIdentity& identity,
                               size_t collection_index, size_t collection_count);

// The device node part of a path: everything before '#'.
std::string_view hidraw_node_of(std::string_view path);

// The 0-based collection a path names on an interface with `collection_count` top-level
// collections; nullopt when the path's "&col" cannot belong to such an interface.
std::optional<size_t> collection_index_of(const device::PathIdentity& path_identity,
                                          size_t collection_count);

// Whether vendor, product and interface number of the path are those of the node now.
bool identity_matches(const device::PathIdentity& path_identity, const HidrawIdentity& identity);

// Vendor and product from the HID_ID property of a hid device ("0003:0000320F:00005012").
std::optional<HidrawIdentity> parse_hid_id(std::string_view hid_id);

}  // namespace ilmo::platform
