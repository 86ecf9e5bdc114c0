#include "device/SlotTable.h"

#include <cstdio>

namespace ilmo::device {

namespace {

bool same_path_ids(const SupportedInterface& row, const PathIdentity& id) {
    return row.vendor_id == id.vendor_id && row.product_id == id.product_id &&
           row.interface_number == id.interface_number &&
           row.collection_number == id.collection_number;
}

bool same_usage(const SupportedInterface& row, const OpenedIdentity& opened) {
    return row.usage_page == opened.usage_page && row.usage == opened.usage;
}

}  // namespace

bool SlotTable::any_free() const {
    for (const auto& s : slots_)
        if (s.free()) return true;
    return false;
}

bool SlotTable::occupied(int index) const {
    if (index < 0 || index >= kSlotCount) return false;
    return !slots_[static_cast<size_t>(index)].free();
}

bool SlotTable::pre_match(const PathIdentity& id) const {
    for (int row = 0; row < kSlotCount; ++row)
        if (same_path_ids(kSupportedInterfaces[row], id) && slots_[row].free()) return true;
    return false;
}

std::optional<SlotMatch> SlotTable::claim(const std::string& path, const PathIdentity& from_path,
                                          const OpenedIdentity& opened) {
    // Vendor and product come from the opened device, interface and collection from the path.
    const PathIdentity id{opened.vendor_id, opened.product_id, from_path.interface_number,
                          from_path.collection_number};
    for (int row = 0; row < kSlotCount; ++row) {
        const auto& r = kSupportedInterfaces[row];
        if (!same_path_ids(r, id) || !same_usage(r, opened) || !slots_[row].free()) continue;
        slots_[row].in_use = true;
        slots_[row].path = path;
        return SlotMatch{row, r.kind, r.role};
    }
    return std::nullopt;
}

void SlotTable::release(int slot) {
    if (slot < 0 || slot >= kSlotCount) return;
    slots_[static_cast<size_t>(slot)] = Slot{};
}

void SlotTable::release_all() { slots_.fill(Slot{}); }

std::string why_unmatched(const SlotTable& slots, const PathIdentity& from_path,
                          const OpenedIdentity& opened) {
    bool ids = false, usage = false, free = false;
    for (int row = 0; row < kSlotCount; ++row) {
        const auto& r = kSupportedInterfaces[row];
        if (!same_path_ids(r, from_path)) continue;
        ids = true;
        if (!same_usage(r, opened)) continue;
        usage = true;
        free = free || !slots.occupied(row);
    }
    if (!ids) return "no supported interface has these ids";
    if (!usage) {
        char text[96];
        std::snprintf(text, sizeof text, "usage page 0x%04X usage 0x%02X is not the supported one",
                      opened.usage_page, opened.usage);
        return text;
    }
    if (!free) return "its slot is taken by an identical device";
    return {};
}

}  // namespace ilmo::device
