#pragma once
// One sound card's ALSA simple mixer: its elements and their levels and switches, for
// capture and for playback. Every call reports failure rather than throwing; a card that
// has gone makes every call fail.

#include <memory>
#include <optional>
#include <vector>

#include "audio/real/MixerElementChoice.h"
#include "audio/real/VolumeScale.h"

typedef struct _snd_mixer snd_mixer_t;
typedef struct _snd_mixer_elem snd_mixer_elem_t;

namespace ilmo::audio {

enum class MixerDirection { Capture, Playback };

class AlsaMixer {
public:
    // Empty when the card cannot be opened.
    static std::unique_ptr<AlsaMixer> open(int card);
    ~AlsaMixer();
    AlsaMixer(const AlsaMixer&) = delete;
    AlsaMixer& operator=(const AlsaMixer&) = delete;

    const std::vector<MixerElementInfo>& elements() const { return infos_; }

    // `element` is a position in elements(); `channel` -1 all (reads take the first), 0, 1.
    std::optional<VolumeRange> range(size_t element, MixerDirection direction);
    std::optional<long> raw_volume(size_t element, MixerDirection direction, int channel);
    bool set_raw_volume(size_t element, MixerDirection direction, int channel, long raw);
    std::optional<long> centi_db(size_t element, MixerDirection direction, int channel);
    bool set_centi_db(size_t element, MixerDirection direction, int channel, long centi_db);
    std::optional<bool> switch_on(size_t element, MixerDirection direction);
    bool set_switch(size_t element, MixerDirection direction, bool on);

private:
    explicit AlsaMixer(snd_mixer_t* handle);
    // Takes in changes made by other programs; false when the card has gone.
    bool refresh();
    snd_mixer_elem_t* element_at(size_t element);

    snd_mixer_t* handle_;
    std::vector<snd_mixer_elem_t*> elems_;
    std::vector<MixerElementInfo> infos_;
};

}  // namespace ilmo::audio
