#pragma once
// The equaliser in front of the headset's output. Enabled, it is a filter sink in the sound
// server playing into the headset's sink, made the default sink, with the playing streams
// moved onto it; a band change while enabled loads the filter again with the new gains (the
// server cannot change a loaded filter's controls). Disabled, the filter is gone and the
// headset's sink is the default again. The gains are kept while disabled.

#include <span>
#include <vector>

#include "audio/real/EqualiserModule.h"
#include "audio/real/PropertyResult.h"
#include "audio/real/PulseSession.h"

namespace ilmo::audio {

class HeadsetEqualiser {
public:
    explicit HeadsetEqualiser(int timeout_ms) : timeout_ms_(timeout_ms) {}

    // Looks for the headset's sink (and takes over the gains of a filter left loaded by an
    // earlier run); false when the server or the sink is not there.
    bool locate(std::span<const int> headset_cards);
    PropertyResult enabled(bool& on);
    PropertyResult enable(bool on);
    int gain(int band) const { return gains_.at(band); }
    // `gain_db` is limited to the filter's range.
    PropertyResult set_gain(int band, int gain_db);

private:
    struct ServerView {
        SinkEntry headset;
        std::optional<ModuleEntry> filter;
        std::optional<SinkEntry> filter_sink;
    };
    std::optional<ServerView> view(PulseSession& session);
    PropertyResult load_filter(PulseSession& session, const ServerView& view);
    PropertyResult remove_filter(PulseSession& session, const ServerView& view);
    // Makes the loaded filter the default sink and moves the headset's streams onto it.
    PropertyResult route_through_filter(PulseSession& session, uint32_t headset_sink);
    // Moves the client streams playing on `from_sink` to `to_sink`.
    void move_streams(PulseSession& session, uint32_t from_sink, std::string_view to_sink);

    int timeout_ms_;
    std::vector<int> headset_cards_;
    EqGains gains_{};
};

}  // namespace ilmo::audio
