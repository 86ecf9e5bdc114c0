#pragma once
// What the capture endpoint needs of a sound card's mixer: its elements, and their levels
// and switches for capture and for playback. Every call reports failure rather than
// throwing; a card that has gone makes every call fail. AlsaMixer is the real one.

#include <cstddef>
#include <optional>
#include <vector>

#include "audio/real/MixerElementChoice.h"
#include "audio/real/VolumeScale.h"

namespace ilmo::audio {

enum class MixerDirection { Capture, Playback };

// The host's channel number for every channel (any negative one means the same); 0 is the
// first channel, 1 the second.
inline constexpr int kAllChannels = -1;

class MixerControls {
public:
    virtual ~MixerControls() = default;

    virtual const std::vector<MixerElementInfo>& elements() const = 0;
    // `element` is a position in elements(); `channel` as above, where reads of every
    // channel take the first and a mono element has only its first.
    virtual std::optional<VolumeRange> range(size_t element, MixerDirection direction) = 0;
    virtual std::optional<long> raw_volume(size_t element, MixerDirection direction,
                                           int channel) = 0;
    virtual bool set_raw_volume(size_t element, MixerDirection direction, int channel,
                                long raw) = 0;
    virtual std::optional<long> centi_db(size_t element, MixerDirection direction, int channel) = 0;
    // Rounds to the nearest step below, so a level never comes out louder than asked.
    virtual bool set_centi_db(size_t element, MixerDirection direction, int channel,
                              long centi_db) = 0;
    // On means sound passes: capturing, or played back.
    virtual std::optional<bool> switch_on(size_t element, MixerDirection direction) = 0;
    virtual bool set_switch(size_t element, MixerDirection direction, bool on) = 0;
};

}  // namespace ilmo::audio
