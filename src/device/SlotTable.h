#pragma once
// Occupancy of the supported interface table: each row is one slot that holds at most one
// interface at a time.

#include <array>
#include <optional>
#include <string>

#include "device/DeviceTables.h"

namespace ilmo::device {

struct SlotMatch {
    int slot = -1;
    DeviceKind kind = DeviceKind::None;
    InterfaceRole role = InterfaceRole::Command;
};

// What an opened interface reports about itself, for the full match.
struct OpenedIdentity {
    uint16_t vendor_id = 0;
    uint16_t product_id = 0;
    uint16_t usage_page = 0;
    uint16_t usage = 0;
};

class SlotTable {
public:
    struct Slot {
        bool in_use = false;
        std::string path;
        bool free() const { return !in_use && path.empty(); }
    };

    bool any_free() const;
    // Path-only candidate test: some row has the path's four ids and a slot with them is free.
    bool pre_match(const PathIdentity& id) const;
    // After opening: the first free slot agreeing on all six values is claimed for `path`.
    std::optional<SlotMatch> claim(const std::string& path, const PathIdentity& from_path,
                                   const OpenedIdentity& opened);
    void release(int slot);
    void release_all();

    const Slot& slot(int index) const { return slots_.at(static_cast<size_t>(index)); }
    bool occupied(int index) const;

private:
    std::array<Slot, kSlotCount> slots_{};
};

// Why an interface claims no slot, for listings; empty when it would match a free slot.
std::string why_unmatched(const SlotTable& slots, const PathIdentity& from_path,
                          const OpenedIdentity& opened);

}  // namespace ilmo::device
