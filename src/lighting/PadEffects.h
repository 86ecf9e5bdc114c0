#pragma once
// The mouse-pad's own preview effects over its 15 lights: the wave, the flow and the paired
// flow. The pad's other preview modes are the shared steps (SharedEffects.h) and the
// user-defined sequence (PadSequence.h).
//
// The pad's lights run around its edge in order, 0 to 14. The flow and paired flow move
// pulses along a ring of 23 marks: marks 0-14 sit on the lights (flow) or marks 0-6 on the
// pairs (paired flow); the rest of the ring is a dark stretch that spaces the pulses out.

#include <array>
#include <cstdint>
#include <span>

#include "device/LightingTypes.h"

namespace ilmo::lighting {

inline constexpr int kPadLights = 15;
inline constexpr int kFlowRingSize = 23;
inline constexpr int kPadPairs = 7;

struct PadFlowState {
    std::array<bool, kFlowRingSize> ring{};
    std::array<uint8_t, kPadLights> level{};
    int steps = 0;
};

// The flow starts with two pulses half the ring apart (marks 0 and 12); the paired flow
// with three, eight marks apart (0, 8 and 16), so one sweep of the pairs follows another.
PadFlowState prepared_flow();
PadFlowState prepared_paired_flow();

// The wave, which the mouse runs over its light groups as well. Colourful: the step runs over
// the 192 spectrum colours and place p along the wave shows entry (step + 1 + 7 × p) mod 192
// at level brightness. Single colour: the step runs over the 96-step curve and place p
// breathes at (step + 1 + 7 × p) mod 96.
int advance_wave(device::LightRecord& record);
device::ColorRecord wave_color(const device::LightRecord& record, int step, int place);
// The pad's lights are the wave's places in order.
void pad_wave(std::span<device::ColorRecord> lights, device::LightRecord& record);

// Every step each light's level fades by 24; every second step the lights under a mark flare
// to 255 and the ring turns one place, towards light 0 when the direction byte is 0. Light i
// shows spectrum entry 12 × i when colourful, else the single colour, at level brightness ×
// its level / 256.
void pad_flow(std::span<device::ColorRecord> lights, device::LightRecord& record,
              PadFlowState& state);
// As the flow over 7 pairs of lights facing each other across the pad: pair p is lights p
// and 14 − p (both always the same colour and level, spectrum entry 12 × p). Levels fade by
// 32 a step. Light 7, where the two halves meet, follows the last pair.
void pad_paired_flow(std::span<device::ColorRecord> lights, device::LightRecord& record,
                     PadFlowState& state);

}  // namespace ilmo::lighting
