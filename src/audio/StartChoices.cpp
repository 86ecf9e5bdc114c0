#include "audio/StartChoices.h"

#include <array>
#include <charconv>
#include <cmath>
#include <vector>

namespace ilmo::audio {

namespace {

constexpr std::array<int32_t, 4> kPlaybackTypes{CONF_LIB_TYPE_PLAYBACK, 12, 7, 4};

int item_value(std::string_view item) {
    while (!item.empty() && item.front() == ' ') item.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(item.data(), item.data() + item.size(), value);
    return error == std::errc() ? value : 0;
}

}  // namespace

std::optional<ConfLibDevice> choose_playback(std::span<const ConfLibDevice> devices) {
    for (const int32_t type : kPlaybackTypes) {
        for (const ConfLibDevice& device : devices) {
            if (device.type == type && device.state == CONF_LIB_STATE_ACTIVE) return device;
        }
    }
    return std::nullopt;
}

std::optional<ConfLibDevice> choose_capture(std::span<const ConfLibDevice> devices) {
    for (const ConfLibDevice& device : devices) {
        if (device.type == CONF_LIB_TYPE_CAPTURE) return device;
    }
    return std::nullopt;
}

FeatureSupport parse_feature_list(std::string_view text) {
    std::vector<int> items;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t comma = text.find(',', start);
        const size_t end = comma == std::string_view::npos ? text.size() : comma;
        items.push_back(item_value(text.substr(start, end - start)));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    FeatureSupport support;
    if (items.size() < static_cast<size_t>(property::kFeatureItemsWanted)) return support;
    support.complete = true;
    support.equaliser = items[property::kFeatureEqualiser] != 0;
    support.voice_changer = items[property::kFeatureVoiceChanger] != 0;
    support.surround = items[property::kFeatureSurround] != 0;
    return support;
}

std::string range_text(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    // Not strtod or printf: the program runs in the user's locale, the library writes "1.00".
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || !std::isfinite(value)) return {};
    std::array<char, 64> shown{};
    const auto written = std::to_chars(shown.data(), shown.data() + shown.size(), value,
                                       std::chars_format::fixed, 2);
    if (written.ec != std::errc()) return {};
    return std::string(shown.data(), written.ptr);
}

}  // namespace ilmo::audio
