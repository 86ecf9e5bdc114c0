#include "audio/real/UsbIdentity.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "device/DeviceTables.h"

namespace ilmo::audio {
namespace {

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view kSpace = " \t\r\n";
    const auto first = text.find_first_not_of(kSpace);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kSpace) - first + 1);
}

// "card12" -> 12; anything else (e.g. "cards") -> none.
std::optional<int> card_number(std::string_view folder_name) {
    constexpr std::string_view kPrefix = "card";
    if (!folder_name.starts_with(kPrefix) || folder_name.size() == kPrefix.size()) return {};
    int number = 0;
    const char* end = folder_name.data() + folder_name.size();
    const auto [next, error] = std::from_chars(folder_name.data() + kPrefix.size(), end, number);
    if (error != std::errc() || next != end) return {};
    return number;
}

}  // namespace

std::optional<uint16_t> parse_hex_id(std::string_view text) {
    text = trimmed(text);
    if (text.starts_with("0x") || text.starts_with("0X")) text.remove_prefix(2);
    if (text.empty() || text.size() > 4) return {};
    unsigned value = 0;
    const auto [next, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (error != std::errc() || next != text.data() + text.size()) return {};
    return static_cast<uint16_t>(value);
}

std::optional<UsbId> parse_usb_id(std::string_view text) {
    text = trimmed(text);
    const auto colon = text.find(':');
    if (colon == std::string_view::npos) return {};
    const auto vendor = parse_hex_id(text.substr(0, colon));
    const auto product = parse_hex_id(text.substr(colon + 1));
    if (!vendor || !product) return {};
    return UsbId{*vendor, *product};
}

bool is_headset(UsbId id) {
    return std::ranges::any_of(device::kSupportedInterfaces, [id](const auto& row) {
        return row.kind == device::DeviceKind::Headset && row.vendor_id == id.vendor_id &&
               row.product_id == id.product_id;
    });
}

std::vector<int> find_headset_cards(const std::string& asound_folder) {
    std::vector<int> cards;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(asound_folder, error)) {
        const auto number = card_number(entry.path().filename().native());
        if (!number) continue;
        std::ifstream file(entry.path() / "usbid");
        const std::string text{std::istreambuf_iterator<char>(file), {}};
        const auto id = parse_usb_id(text);
        if (id && is_headset(*id)) cards.push_back(*number);
    }
    std::ranges::sort(cards);
    return cards;
}

}  // namespace ilmo::audio
