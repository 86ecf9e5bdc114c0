#include "platform/HidrawPath.h"

#include <charconv>
#include <cstdio>

namespace ilmo::platform {

namespace {

std::optional<uint32_t> parse_hex(std::string_view text) {
    uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (error != std::errc{} || end != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::string format_hidraw_path(std::string_view devnode, const HidrawIdentity& identity,
                               size_t collection_index, size_t collection_count) {
    char tags[64];
    int length = std::snprintf(tags, sizeof tags, "#vid_%04x&pid_%04x", identity.vendor_id,
                               identity.product_id);
    if (identity.interface_number) {
        length += std::snprintf(tags + length, sizeof tags - length, "&mi_%02x",
                                unsigned{*identity.interface_number});
    }
    if (collection_count > 1) {
        std::snprintf(tags + length, sizeof tags - length, "&col%02zx", collection_index + 1);
    }
    return std::string(devnode) + tags;
}

std::string_view hidraw_node_of(std::string_view path) {
    return path.substr(0, path.find('#'));
}

std::optional<size_t> collection_index_of(const device::PathIdentity& path_identity,
                                          size_t collection_count) {
    const size_t number = path_identity.collection_number;
    if (collection_count == 1) return number == 0 ? std::optional<size_t>{0} : std::nullopt;
    if (number == 0 || number > collection_count) return std::nullopt;
    return number - 1;
}

bool identity_matches(const device::PathIdentity& path_identity, const HidrawIdentity& identity) {
    return path_identity.vendor_id == identity.vendor_id &&
           path_identity.product_id == identity.product_id &&
           path_identity.interface_number == identity.interface_number.value_or(0);
}

std::optional<HidrawIdentity> parse_hid_id(std::string_view hid_id) {
    // Bus, vendor and product, each in hexadecimal.
    const size_t first = hid_id.find(':');
    if (first == std::string_view::npos) return std::nullopt;
    const size_t second = hid_id.find(':', first + 1);
    if (second == std::string_view::npos) return std::nullopt;
    const auto vendor = parse_hex(hid_id.substr(first + 1, second - first - 1));
    const auto product = parse_hex(hid_id.substr(second + 1));
    if (!vendor || !product || *vendor > 0xFFFF || *product > 0xFFFF) return std::nullopt;
    return HidrawIdentity{static_cast<uint16_t>(*vendor), static_cast<uint16_t>(*product), {}};
}

}  // namespace ilmo::platform
