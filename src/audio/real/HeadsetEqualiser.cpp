#include "audio/real/HeadsetEqualiser.h"

#include <algorithm>

#include "audio/real/HeadsetLocator.h"

namespace ilmo::audio {

bool HeadsetEqualiser::locate(std::span<const int> headset_cards) {
    headset_cards_.assign(headset_cards.begin(), headset_cards.end());
    auto session = PulseSession::connect(timeout_ms_);
    if (!session) return false;
    const auto found = view(*session);
    if (!found) return false;
    if (found->filter) {
        if (const auto gains = eq_gains_from_arguments(found->filter->argument)) gains_ = *gains;
    }
    return true;
}

PropertyResult HeadsetEqualiser::enabled(bool& on) {
    auto session = PulseSession::connect(timeout_ms_);
    if (!session) return PropertyResult::Failed;
    const auto found = view(*session);
    if (!found) return PropertyResult::NoDevice;
    on = found->filter.has_value();
    return PropertyResult::Ok;
}

PropertyResult HeadsetEqualiser::enable(bool on) {
    auto session = PulseSession::connect(timeout_ms_);
    if (!session) return PropertyResult::Failed;
    const auto found = view(*session);
    if (!found) return PropertyResult::NoDevice;
    if (!on) return remove_filter(*session, *found);
    // Already in place with these gains: loading it again would only interrupt the sound. But
    // while the headset's own sink is the output (moved back by the user, or an earlier run
    // ended before it routed), the filter is not heard: route through it again.
    if (found->filter && eq_gains_from_arguments(found->filter->argument) == gains_) {
        if (session->default_sink() != found->headset.name) return PropertyResult::Ok;
        return route_through_filter(*session, found->headset.index);
    }
    return load_filter(*session, *found);
}

PropertyResult HeadsetEqualiser::set_gain(int band, int gain_db) {
    if (band < 0 || band >= kEqBandCount) return PropertyResult::Unsupported;
    gains_[band] = limit_eq_gain(gain_db);
    auto session = PulseSession::connect(timeout_ms_);
    if (!session) return PropertyResult::Failed;
    const auto found = view(*session);
    if (!found) return PropertyResult::NoDevice;
    if (!found->filter || eq_gains_from_arguments(found->filter->argument) == gains_) {
        return PropertyResult::Ok;
    }
    return load_filter(*session, *found);
}

std::optional<HeadsetEqualiser::ServerView> HeadsetEqualiser::view(PulseSession& session) {
    const auto sinks = session.sinks();
    const auto modules = session.modules();
    if (!sinks || !modules) return {};
    const auto headset = find_headset_sink(*sinks, headset_cards_);
    if (!headset) return {};
    ServerView result{*headset, {}, {}};
    const auto filter = std::ranges::find_if(
        *modules, [](const ModuleEntry& m) { return is_eq_module(m.name, m.argument); });
    if (filter != modules->end()) result.filter = *filter;
    const auto filter_sink =
        std::ranges::find_if(*sinks, [](const SinkEntry& s) { return s.name == kEqSinkName; });
    if (filter_sink != sinks->end()) result.filter_sink = *filter_sink;
    return result;
}

PropertyResult HeadsetEqualiser::load_filter(PulseSession& session, const ServerView& found) {
    // A loaded filter cannot take new gains: its streams go back to the headset while the
    // new one loads, so none is left behind on a sink that is about to vanish.
    if (found.filter) {
        const auto removed = remove_filter(session, found);
        if (removed != PropertyResult::Ok) return removed;
    }
    const auto arguments = eq_module_arguments(found.headset.name, gains_);
    if (!arguments) return PropertyResult::Failed;
    if (!session.load_module(kEqModuleName, *arguments)) return PropertyResult::Failed;
    return route_through_filter(session, found.headset.index);
}

PropertyResult HeadsetEqualiser::route_through_filter(PulseSession& session,
                                                      uint32_t headset_sink) {
    if (!session.set_default_sink(kEqSinkName)) return PropertyResult::Failed;
    move_streams(session, headset_sink, kEqSinkName);
    return PropertyResult::Ok;
}

PropertyResult HeadsetEqualiser::remove_filter(PulseSession& session, const ServerView& found) {
    if (!found.filter) return PropertyResult::Ok;
    if (found.filter_sink) move_streams(session, found.filter_sink->index, found.headset.name);
    if (!session.set_default_sink(found.headset.name)) return PropertyResult::Failed;
    return session.unload_module(found.filter->index) ? PropertyResult::Ok : PropertyResult::Failed;
}

void HeadsetEqualiser::move_streams(PulseSession& session, uint32_t from_sink,
                                    std::string_view to_sink) {
    const auto inputs = session.sink_inputs();
    if (!inputs) return;
    constexpr uint32_t kNoClient = UINT32_MAX;  // a module's own stream, e.g. a filter's
    for (const auto& input : *inputs) {
        // A stream that ends meanwhile cannot be moved; that is no failure of the filter.
        if (input.sink == from_sink && input.client != kNoClient) {
            (void)session.move_sink_input(input.index, to_sink);
        }
    }
}

}  // namespace ilmo::audio
