#include "sim/SimProduct.h"

namespace ilmo::sim {

namespace {

struct ProductRow {
    std::string_view name;
    uint16_t vendor_id;
    uint16_t product_id;
    FirmwareKind firmware;
    bool receiver;
    uint16_t release;
};

// Same order as SimProduct.
constexpr std::array<ProductRow, kAllProducts.size()> kRows{{
    {"keyboard", 0x320F, 0x5012, FirmwareKind::Keyboard, false, 0x0110},
    {"keyboard-receiver", 0x320F, 0x5088, FirmwareKind::Keyboard, true, 0x0110},
    {"mouse", 0x12D1, 0x10D4, FirmwareKind::Mouse, false, 0x0102},
    {"mouse-receiver", 0x320F, 0x221D, FirmwareKind::Mouse, true, 0x0102},
    {"mousepad", 0x320F, 0x1004, FirmwareKind::MousePad, false, 0x0100},
    {"headset", 0x0C76, 0x1630, FirmwareKind::None, false, 0x0100},
}};

const ProductRow& row(SimProduct product) {
    return kRows.at(index_of(product));
}

}  // namespace

std::string_view product_name(SimProduct product) {
    return row(product).name;
}
uint16_t vendor_id(SimProduct product) {
    return row(product).vendor_id;
}
uint16_t product_id(SimProduct product) {
    return row(product).product_id;
}
FirmwareKind firmware_kind(SimProduct product) {
    return row(product).firmware;
}
bool is_receiver(SimProduct product) {
    return row(product).receiver;
}
uint16_t factory_release_number(SimProduct product) {
    return row(product).release;
}

}  // namespace ilmo::sim
