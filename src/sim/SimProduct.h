#pragma once
// The USB products the emulator can plug in. A receiver is a product of its own (its own
// VID/PID and interfaces) that reaches the same device firmware as the cabled product.

#include <array>
#include <cstdint>
#include <string_view>

namespace ilmo::sim {

enum class SimProduct {
    Keyboard,          // keyboard by cable
    KeyboardReceiver,  // the keyboard's 2.4 GHz dongle
    Mouse,             // mouse by cable
    MouseReceiver,     // the mouse's 2.4 GHz dongle
    MousePad,
    Headset,
};

inline constexpr std::array<SimProduct, 6> kAllProducts{
    SimProduct::Keyboard,      SimProduct::KeyboardReceiver, SimProduct::Mouse,
    SimProduct::MouseReceiver, SimProduct::MousePad,         SimProduct::Headset};

// Which firmware model answers a product's command packets; None for the headset, whose
// only output reports are lighting reports that the emulator records.
enum class FirmwareKind { None, Keyboard, Mouse, MousePad };

constexpr size_t index_of(SimProduct product) {
    return static_cast<size_t>(product);
}

// Short lower-case name used in paths and listings: "keyboard", "keyboard-receiver", ...
std::string_view product_name(SimProduct product);
uint16_t vendor_id(SimProduct product);
uint16_t product_id(SimProduct product);
FirmwareKind firmware_kind(SimProduct product);
bool is_receiver(SimProduct product);
// The release number the product leaves the factory with (HID attributes).
uint16_t factory_release_number(SimProduct product);

}  // namespace ilmo::sim
