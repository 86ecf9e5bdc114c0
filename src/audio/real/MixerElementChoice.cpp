#include "audio/real/MixerElementChoice.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace ilmo::audio {
namespace {

constexpr int kNoMatch = 100;

std::string lower(std::string_view text) {
    std::string result(text);
    std::ranges::transform(result, result.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return result;
}

// Lower is better. A headset card usually names its microphone "Mic"; some say "Headset" or
// just "Capture".
int capture_rank(std::string_view name) {
    const std::string text = lower(name);
    if (text == "mic") return 0;
    if (text == "microphone") return 1;
    if (text == "headset") return 2;
    if (text == "capture") return 3;
    if (text.find("mic") != std::string::npos) return 4;
    return 5;
}

// Playback elements are mostly outputs (PCM, Speaker, Headphone); only these feed the
// microphone back to the ear.
int monitor_rank(std::string_view name) {
    const std::string text = lower(name);
    if (text.find("sidetone") != std::string::npos || text.find("side tone") != std::string::npos) {
        return 0;
    }
    if (text == "mic" || text == "microphone") return 1;
    if (text.find("mic") != std::string::npos) return 2;
    return kNoMatch;
}

template <typename Has, typename Rank>
std::optional<size_t> best(std::span<const MixerElementInfo> elements, Has has, Rank rank) {
    std::optional<size_t> chosen;
    int chosen_rank = kNoMatch;
    for (size_t i = 0; i < elements.size(); ++i) {
        if (!has(elements[i])) continue;
        const int r = rank(elements[i].name);
        if (r < chosen_rank) {
            chosen = i;
            chosen_rank = r;
        }
    }
    return chosen;
}

}  // namespace

MixerChoice choose_mixer_elements(std::span<const MixerElementInfo> elements) {
    MixerChoice choice;
    choice.capture_volume = best(
        elements, [](const auto& e) { return e.capture_volume; }, capture_rank);
    if (choice.capture_volume && elements[*choice.capture_volume].capture_switch) {
        choice.capture_switch = choice.capture_volume;
    } else {
        choice.capture_switch = best(
            elements, [](const auto& e) { return e.capture_switch; }, capture_rank);
    }
    choice.monitor_volume = best(
        elements, [](const auto& e) { return e.playback_volume; }, monitor_rank);
    if (choice.monitor_volume && elements[*choice.monitor_volume].playback_switch) {
        choice.monitor_switch = choice.monitor_volume;
    } else {
        choice.monitor_switch = best(
            elements, [](const auto& e) { return e.playback_switch; }, monitor_rank);
    }
    return choice;
}

}  // namespace ilmo::audio
