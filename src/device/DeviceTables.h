#pragma once
// The fixed tables of supported products: which HID interfaces belong to a supported
// device, which page shows it, and how each product names itself to the update check.

#include <array>
#include <cstdint>
#include <string_view>

namespace ilmo::device {

// Device kind codes as they travel through the tables and the controllers.
enum class DeviceKind : int {
    None = 0,
    Keyboard = 1,          // by cable
    Mouse = 2,             // by cable
    MousePad = 3,
    MouseReceiver = 6,     // mouse through its 2.4 GHz receiver
    Headset = 7,
    KeyboardReceiver = 9,  // keyboard through its 2.4 GHz receiver
};

// 0: the vendor command interface; 255: the consumer-page event interface.
enum class InterfaceRole : int { Command = 0, Event = 255 };

// Which controller class serves a kind.
enum class ControllerKind { None, Keyboard, Mouse, MousePad, Headset };

constexpr int to_int(DeviceKind kind) { return static_cast<int>(kind); }
constexpr int to_int(InterfaceRole role) { return static_cast<int>(role); }

struct SupportedInterface {
    uint16_t vendor_id;
    uint16_t product_id;
    uint16_t interface_number;   // hexadecimal number after "&mi_"
    uint16_t collection_number;  // hexadecimal number after "&col", 0 when absent
    DeviceKind kind;
    InterfaceRole role;
    uint16_t usage_page;
    uint16_t usage;
    bool has_twin;  // the same product is also listed under twin_row (other connection)
    int twin_row;
};

constexpr int kSlotCount = 11;

// The row index is the slot number carried by every arrival and removal.
inline constexpr std::array<SupportedInterface, kSlotCount> kSupportedInterfaces{{
    {0x320F, 0x5012, 1, 4, DeviceKind::Keyboard, InterfaceRole::Command, 0xFF1C, 0x92, true, 2},
    {0x320F, 0x5012, 1, 3, DeviceKind::Keyboard, InterfaceRole::Event, 0x000C, 0x01, true, 3},
    {0x320F, 0x5088, 1, 4, DeviceKind::KeyboardReceiver, InterfaceRole::Command, 0xFF1C, 0x92, true, 0},
    {0x320F, 0x5088, 1, 3, DeviceKind::KeyboardReceiver, InterfaceRole::Event, 0x000C, 0x01, true, 1},
    {0x12D1, 0x10D4, 2, 4, DeviceKind::Mouse, InterfaceRole::Command, 0xFF01, 0x00, true, 6},
    {0x12D1, 0x10D4, 1, 3, DeviceKind::Mouse, InterfaceRole::Event, 0x000C, 0x01, true, 7},
    {0x320F, 0x221D, 1, 4, DeviceKind::MouseReceiver, InterfaceRole::Command, 0xFF1C, 0x92, true, 4},
    {0x320F, 0x221D, 1, 3, DeviceKind::MouseReceiver, InterfaceRole::Event, 0x000C, 0x01, true, 5},
    {0x320F, 0x1004, 1, 4, DeviceKind::MousePad, InterfaceRole::Command, 0xFF1C, 0x92, false, 0},
    {0x320F, 0x1004, 1, 3, DeviceKind::MousePad, InterfaceRole::Event, 0x000C, 0x01, false, 0},
    {0x0C76, 0x1630, 3, 0, DeviceKind::Headset, InterfaceRole::Command, 0x000C, 0x01, false, 0},
}};

// One device page the main window creates at start-up, present or not. What the page is
// built from (layouts, control names) is the shell's business, kept in the same row order.
struct DeviceOption {
    std::array<int, 4> page_ints;  // the last one is the light-table index
    int vendor_id;
    int product_id;
    DeviceKind kind;
    InterfaceRole role;

    constexpr int light_table_index() const { return page_ints[3]; }
};

constexpr int kPageCount = 4;

inline constexpr std::array<DeviceOption, kPageCount> kDeviceOptions{{
    {{0, 0, 0, 1}, 4817, 4308, DeviceKind::Mouse, InterfaceRole::Command},
    {{1, 1, -1, 0}, 12815, 20498, DeviceKind::Keyboard, InterfaceRole::Command},
    {{2, 2, 1, 2}, 12815, 4100, DeviceKind::MousePad, InterfaceRole::Command},
    {{3, 3, -1, 3}, 3190, 5680, DeviceKind::Headset, InterfaceRole::Command},
}};

// Same row order as kDeviceOptions.
struct DevicePage {
    int light_count;
    int key_count;
    bool has_power_display;  // page shows battery state, waits for the receiver link
    int value_b;             // handed to the page unchanged
};

inline constexpr std::array<DevicePage, kPageCount> kDevicePages{{
    {15, 11, true, -1},
    {170, 170, false, -1},
    {15, 0, false, -1},
    {13, 0, false, -1},
}};

// How each product (and, in the last row, the application) names itself to the update check.
struct ProductIdentity {
    std::array<int, 3> ints;
    std::string_view brand;
    std::string_view model_code;
    std::string_view type_code;
    std::string_view type_code2;
    std::string_view version;
};

inline constexpr std::array<ProductIdentity, kPageCount> kProductIdentities{{
    {{1, 1, 0}, "PELKO", "RM52X31C", "MS", "MS", ""},
    {{1, 1, 0}, "PELKO", "RM52X30C", "KB", "KB", ""},
    {{2, 1, 0}, "PELKO", "RM52X23C_1", "ILMO RQ07", "ILMO RQ07", ""},
    {{0, 1, 0}, "PELKO", "ALL", "ILMO RQ07", "AP", "V0106"},
}};

// The folder a device page keeps its profiles and data in, under the user's data folder:
// the model code of the product, which stays the same on cable and receiver.
std::string_view device_folder_name(int page_row);

// The identity a path carries in its text.
struct PathIdentity {
    uint32_t vendor_id = 0;
    uint32_t product_id = 0;
    uint32_t interface_number = 0;
    uint32_t collection_number = 0;
    bool operator==(const PathIdentity&) const = default;
};

// Reads the hexadecimal number after `tag` ("vid_", "pid_", "&mi_", "&col"), found without
// regard to case; 0 when the tag is missing or no digit follows.
uint32_t parse_path_id(std::string_view path, std::string_view tag);
PathIdentity parse_path_identity(std::string_view path);

// First row with the given vendor, product, kind and role; -1 when none.
int find_interface_row(int vendor_id, int product_id, DeviceKind kind, InterfaceRole role);
// First device option row with the given vendor, product, kind and role; -1 when none.
int find_device_option(int vendor_id, int product_id, DeviceKind kind, InterfaceRole role);

ControllerKind controller_for(DeviceKind kind);
bool is_receiver_kind(DeviceKind kind);
std::string_view kind_name(DeviceKind kind);  // for listings: "keyboard", "mouse receiver", ...

// The row whose identity a controller is chosen by: a receiver row with a twin answers to
// its cable twin, so one page serves the product on either connection.
int identity_row(int row);

}  // namespace ilmo::device
