#pragma once
// The headset's USB identity as the sound stack reports it: ALSA's "/proc/asound/cardN/usbid"
// ("0c76:1630") and the sound server's device properties ("0c76"). Sound cards are matched by
// this identity, never by their position, which changes with every plug.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ilmo::audio {

struct UsbId {
    uint16_t vendor_id = 0;
    uint16_t product_id = 0;
    bool operator==(const UsbId&) const = default;
};

// One hexadecimal id of up to four digits, "0x" allowed, surrounding white space ignored.
std::optional<uint16_t> parse_hex_id(std::string_view text);
// "vvvv:pppp" as in a card's usbid file.
std::optional<UsbId> parse_usb_id(std::string_view text);
// True for the rows of the supported device table that are headsets.
bool is_headset(UsbId id);
// Card numbers under an ALSA proc folder ("/proc/asound") whose usbid is a headset, ascending.
std::vector<int> find_headset_cards(const std::string& asound_folder);

}  // namespace ilmo::audio
