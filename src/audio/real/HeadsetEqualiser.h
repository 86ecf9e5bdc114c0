#pragma once
// The equaliser in front of the headset's output. Enabled, it is a filter sink in the sound
// server playing into the headset's sink, made the default sink, with the playing streams
// moved onto it; a band change while enabled loads the filter again with the new gains (the
// server cannot change a loaded filter's controls). Disabled, the filter is gone and the
// headset's sink is the default again. The gains are kept while disabled.
//
// Loading the filter moves the playing streams, which is heard, and the host writes a preset
// as "enable" and then ten bands one by one. So a write only checks that the server and the
// headset's sink are there and notes what it wants; a worker puts everything noted in place
// at once when the writes pause. Reads, a new device list and the end of the library put in
// place what is still waiting first. When that fails, the next call reports it.

#include <mutex>
#include <optional>
#include <span>
#include <vector>

#include "audio/real/CoalescingWorker.h"
#include "audio/real/EqualiserModule.h"
#include "audio/real/PropertyResult.h"

namespace ilmo::audio {

class HeadsetEqualiser {
public:
    explicit HeadsetEqualiser(int timeout_ms);

    // Looks for the headset's sink (and takes over the gains of a filter left loaded by an
    // earlier run); false when the server or the sink is not there.
    bool locate(std::span<const int> headset_cards);
    PropertyResult enabled(bool& on);
    PropertyResult enable(bool on);
    // The band's gain, or the failure of a change that could not be put in place.
    PropertyResult gain(int band, int& gain_db);
    // `gain_db` is limited to the filter's range.
    PropertyResult set_gain(int band, int gain_db);
    // Puts every noted change in place before returning.
    void flush() { worker_.flush(); }

private:
    // What the writes asked for: the gains, and on or off when an enable was written.
    struct Wanted {
        EqGains gains{};
        std::optional<bool> on;
    };
    // Ok when the server answers and the headset's sink is there, and no failure of the
    // worker is left to report; else the failure.
    PropertyResult check_path();
    // The worker's action: the server brought to what was asked for.
    void apply();

    const int timeout_ms_;
    std::mutex mutex_;  // guards what follows, for the caller's thread and the worker's
    std::vector<int> headset_cards_;
    Wanted wanted_;
    std::optional<PropertyResult> unreported_failure_;
    CoalescingWorker worker_;  // last: its thread uses everything above
};

}  // namespace ilmo::audio
