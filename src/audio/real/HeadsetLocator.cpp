#include "audio/real/HeadsetLocator.h"

#include <algorithm>
#include <charconv>

#include "audio/real/EqualiserModule.h"
#include "audio/real/UsbIdentity.h"

namespace ilmo::audio {
namespace {

bool on_card(const std::string& alsa_card, std::span<const int> headset_cards) {
    int card = 0;
    const char* end = alsa_card.data() + alsa_card.size();
    const auto [next, error] = std::from_chars(alsa_card.data(), end, card);
    if (alsa_card.empty() || error != std::errc() || next != end) return false;
    return std::ranges::find(headset_cards, card) != headset_cards.end();
}

}  // namespace

bool is_headset_sink(const SinkEntry& sink, std::span<const int> headset_cards) {
    if (sink.name == kEqSinkName) return false;
    const auto vendor = parse_hex_id(sink.vendor_id);
    const auto product = parse_hex_id(sink.product_id);
    if (vendor && product && is_headset({*vendor, *product})) return true;
    return on_card(sink.alsa_card, headset_cards);
}

std::optional<SinkEntry> find_headset_sink(std::span<const SinkEntry> sinks,
                                           std::span<const int> headset_cards) {
    const auto found = std::ranges::find_if(sinks, [headset_cards](const SinkEntry& sink) {
        return is_headset_sink(sink, headset_cards);
    });
    if (found == sinks.end()) return {};
    return *found;
}

}  // namespace ilmo::audio
