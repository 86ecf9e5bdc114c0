#pragma once
// The mouse picture's own preview effects: the wave, the group flash and the reactive flare.
// The mouse's other preview modes are the shared steps (SharedEffects.h) and the custom
// sequence (MouseSequence.h).
//
// The picture's 15 lights form 7 groups that always show alike: (0, 13), (1, 12), (2, 11),
// (3, 10), (4, 9), (5, 8) and (6, 14, 7).

#include <array>
#include <cstdint>
#include <random>
#include <span>

#include "device/LightingTypes.h"

namespace ilmo::lighting {

inline constexpr int kMouseLights = 15;
inline constexpr int kMouseGroups = 7;

// The group light `light` belongs to; lights past the picture belong to none (-1).
int mouse_group_of(int light);

// The wave over the groups, group g at place g along it (the pad's wave, see PadEffects.h).
void mouse_wave(std::span<device::ColorRecord> lights, device::LightRecord& record);

struct GroupFlashState {
    std::array<uint8_t, kMouseGroups> level{};
    std::array<uint8_t, kMouseGroups> hue{};  // spectrum entry each group flashed in
    int next_hue = 0;
};

// Every step the groups' levels fade and the next group (by the direction byte, the running
// step counts over the groups) flares to full in the next spectrum entry, 12 entries on from
// the last. A group shows its flash colour (the single colour unless colourful) at level
// brightness × its level / 256.
void group_flash(std::span<device::ColorRecord> lights, device::LightRecord& record,
                 GroupFlashState& state);

struct ReactiveState {
    std::array<uint8_t, kMouseLights> fade{};
    std::array<bool, kMouseLights> rising{};
    std::array<uint8_t, kMouseLights> hue{};  // spectrum entry, drawn when the light flared
    std::minstd_rand random;  // its own: a preview's colours need no shared or strong source
};

// Every light flares at full fade from a random spectrum entry, one per group so a group's
// lights stay alike.
void reactive_flare(ReactiveState& state);
bool reactive_fading(const ReactiveState& state);
// Rising lights climb by 15 until full, then fall by 15 to dark; neither way runs past its
// end. A light shows its colour (the single colour unless colourful) at level brightness ×
// its fade / 256.
void reactive_step(std::span<device::ColorRecord> lights, const device::LightRecord& record,
                   ReactiveState& state);

}  // namespace ilmo::lighting
