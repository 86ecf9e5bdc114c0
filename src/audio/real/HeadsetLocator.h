#pragma once
// Which of the sound server's sinks is the headset: one whose device properties carry a
// headset's USB identity, or that sits on one of the headset's ALSA cards. The equaliser's
// own filter sink is never taken for the headset.

#include <optional>
#include <span>

#include "audio/real/PulseSession.h"

namespace ilmo::audio {

bool is_headset_sink(const SinkEntry& sink, std::span<const int> headset_cards);
std::optional<SinkEntry> find_headset_sink(std::span<const SinkEntry> sinks,
                                           std::span<const int> headset_cards);

}  // namespace ilmo::audio
