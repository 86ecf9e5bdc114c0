#include "audio/real/HeadsetEqualiser.h"

#include <algorithm>
#include <chrono>
#include <utility>

#include "audio/real/HeadsetLocator.h"
#include "audio/real/PulseSession.h"

namespace ilmo::audio {
namespace {

// The host writes a preset's eleven properties within a few milliseconds; a single band move
// is put in place this long after it.
constexpr std::chrono::milliseconds kQuietPeriod{25};
// While a band is dragged the writes never pause: the filter follows at least this often.
constexpr std::chrono::milliseconds kLongestWait{150};

struct ServerView {
    SinkEntry headset;
    std::optional<ModuleEntry> filter;
    std::optional<SinkEntry> filter_sink;
};

std::optional<ServerView> view(PulseSession& session, std::span<const int> headset_cards) {
    const auto sinks = session.sinks();
    const auto modules = session.modules();
    if (!sinks || !modules) return {};
    const auto headset = find_headset_sink(*sinks, headset_cards);
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

// Moves the client streams playing on `from_sink` to `to_sink`.
void move_streams(PulseSession& session, uint32_t from_sink, std::string_view to_sink) {
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

// Makes the loaded filter the default sink and moves the headset's streams onto it.
PropertyResult route_through_filter(PulseSession& session, uint32_t headset_sink) {
    if (!session.set_default_sink(kEqSinkName)) return PropertyResult::Failed;
    move_streams(session, headset_sink, kEqSinkName);
    return PropertyResult::Ok;
}

PropertyResult remove_filter(PulseSession& session, const ServerView& found) {
    if (!found.filter) return PropertyResult::Ok;
    if (found.filter_sink) move_streams(session, found.filter_sink->index, found.headset.name);
    if (!session.set_default_sink(found.headset.name)) return PropertyResult::Failed;
    return session.unload_module(found.filter->index) ? PropertyResult::Ok : PropertyResult::Failed;
}

PropertyResult load_filter(PulseSession& session, const ServerView& found,
                           const std::string& arguments) {
    // A loaded filter cannot take new gains: its streams go back to the headset while the
    // new one loads, so none is left behind on a sink that is about to vanish.
    const auto removed = remove_filter(session, found);
    if (removed != PropertyResult::Ok) return removed;
    if (!session.load_module(kEqModuleName, arguments)) return PropertyResult::Failed;
    return route_through_filter(session, found.headset.index);
}

// Puts the filter in place with `gains`, or removes it; `on` empty (no enable written) keeps
// it as it is and only gives a loaded filter the new gains.
PropertyResult bring_about(PulseSession& session, const ServerView& found, const EqGains& gains,
                           std::optional<bool> on) {
    if (!on.value_or(found.filter.has_value())) return remove_filter(session, found);
    const auto arguments = eq_module_arguments(found.headset.name, gains);
    if (!arguments) return PropertyResult::Failed;
    if (!found.filter || found.filter->argument != *arguments) {
        return load_filter(session, found, *arguments);
    }
    // Already in place: loading it again would only interrupt the sound. But while the
    // headset's own sink is the output (moved back by the user, or an earlier run ended
    // before it routed), enabling routes through the filter again.
    if (!on || session.default_sink() != found.headset.name) return PropertyResult::Ok;
    return route_through_filter(session, found.headset.index);
}

}  // namespace

HeadsetEqualiser::HeadsetEqualiser(int timeout_ms)
    : timeout_ms_(timeout_ms), worker_([this] { apply(); }, kQuietPeriod, kLongestWait) {}

bool HeadsetEqualiser::locate(std::span<const int> headset_cards) {
    worker_.flush();
    std::lock_guard lock(mutex_);
    headset_cards_.assign(headset_cards.begin(), headset_cards.end());
    unreported_failure_.reset();
    auto session = PulseSession::connect(timeout_ms_);
    if (!session) return false;
    const auto found = view(*session, headset_cards_);
    if (!found) return false;
    if (found->filter) {
        if (const auto gains = eq_gains_from_arguments(found->filter->argument)) {
            wanted_.gains = *gains;
        }
    }
    return true;
}

PropertyResult HeadsetEqualiser::enabled(bool& on) {
    worker_.flush();
    std::vector<int> cards;
    {
        std::lock_guard lock(mutex_);
        if (unreported_failure_) return *std::exchange(unreported_failure_, std::nullopt);
        cards = headset_cards_;
    }
    auto session = PulseSession::connect(timeout_ms_);
    if (!session) return PropertyResult::Failed;
    const auto found = view(*session, cards);
    if (!found) return PropertyResult::NoDevice;
    on = found->filter.has_value();
    return PropertyResult::Ok;
}

PropertyResult HeadsetEqualiser::enable(bool on) {
    const auto result = check_path();
    if (result != PropertyResult::Ok) return result;
    {
        std::lock_guard lock(mutex_);
        wanted_.on = on;
    }
    worker_.request();
    return PropertyResult::Ok;
}

PropertyResult HeadsetEqualiser::gain(int band, int& gain_db) {
    worker_.flush();
    std::lock_guard lock(mutex_);
    if (unreported_failure_) return *std::exchange(unreported_failure_, std::nullopt);
    gain_db = wanted_.gains.at(band);
    return PropertyResult::Ok;
}

PropertyResult HeadsetEqualiser::set_gain(int band, int gain_db) {
    if (band < 0 || band >= kEqBandCount) return PropertyResult::Unsupported;
    // A refused gain is not kept: a later filter would play what the host never saw taken.
    const auto result = check_path();
    if (result != PropertyResult::Ok) return result;
    {
        std::lock_guard lock(mutex_);
        wanted_.gains[band] = limit_eq_gain(gain_db);
    }
    worker_.request();
    return PropertyResult::Ok;
}

PropertyResult HeadsetEqualiser::check_path() {
    std::vector<int> cards;
    {
        std::lock_guard lock(mutex_);
        cards = headset_cards_;
    }
    auto result = PropertyResult::Failed;
    if (auto session = PulseSession::connect(timeout_ms_)) {
        result = view(*session, cards) ? PropertyResult::Ok : PropertyResult::NoDevice;
    }
    std::lock_guard lock(mutex_);
    const auto earlier = std::exchange(unreported_failure_, std::nullopt);
    return result == PropertyResult::Ok ? earlier.value_or(PropertyResult::Ok) : result;
}

void HeadsetEqualiser::apply() {
    Wanted wanted;
    std::vector<int> cards;
    {
        std::lock_guard lock(mutex_);
        wanted = wanted_;
        wanted_.on.reset();
        cards = headset_cards_;
    }
    auto result = PropertyResult::Failed;
    if (auto session = PulseSession::connect(timeout_ms_)) {
        const auto found = view(*session, cards);
        result = found ? bring_about(*session, *found, wanted.gains, wanted.on)
                       : PropertyResult::NoDevice;
    }
    if (result != PropertyResult::Ok) {
        std::lock_guard lock(mutex_);
        unreported_failure_ = result;
    }
}

}  // namespace ilmo::audio
