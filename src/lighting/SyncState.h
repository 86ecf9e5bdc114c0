#pragma once
// Synchronised lighting's shared state and one step of its effect, with no threads and no
// clock of its own: one common colour for every device that takes part. Each device kind
// names the same effect with its own mode number; the table here translates between them.

#include <array>
#include <cstdint>
#include <optional>

#include "device/DeviceTables.h"
#include "device/LightingTypes.h"

namespace ilmo::lighting {

enum class SyncType { Breathing = 0, Steady = 1, Blinking = 2, ColourCycle = 3, Dark = 4 };

inline constexpr int kSyncTypeCount = 5;
// Speed indexes a record may carry; the effect only has paces for the first five.
inline constexpr int kSyncSpeedCount = 15;

// The sync type a device of `kind` shows in `mode`; nothing for a mode without one.
std::optional<SyncType> sync_type_for_mode(device::ControllerKind kind, int mode);
// The mode a device of `kind` runs for `type`; -1 for a kind that takes no part.
int sync_mode_for(device::ControllerKind kind, SyncType type);

struct SyncState {
    SyncType type = SyncType::Breathing;
    int speed = 0;       // index into the speed table, 0-14
    int brightness = 0;  // level 0-4
    bool direction_up = false;
    bool colourful = false;
    device::Rgb colour;
    int breathing_level = 0;  // 0-127
    int wheel = 0;            // index into the 192-colour spectrum
    bool blink_on = false;
    int64_t last_toggle_ms = 0;
};

// `record`'s effect settings as the state of `type`, with out-of-table indexes clamped. The
// running parts (breathing level, wheel, blink) carry on from `running`.
SyncState sync_state_from(const device::LightRecord& record, SyncType type,
                          const SyncState& running);

// Ticks between two steps. The speed table gives no pace past index 4 (its entries there are
// 0, which would mean stepping without rest): those indexes take the slowest pace.
int sync_ticks_per_step(const SyncState& state);

// One step of the state's effect at `now_ms`: the colour every light of every taking-part
// device shows next, its brightness in the fourth byte.
device::ColorRecord sync_step(SyncState& state, int64_t now_ms);

}  // namespace ilmo::lighting
