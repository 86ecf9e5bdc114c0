#pragma once
// One sound card's ALSA simple mixer. Changes made by other programs are taken in before
// each call.

#include <memory>

#include "audio/real/MixerControls.h"

typedef struct _snd_mixer snd_mixer_t;
typedef struct _snd_mixer_elem snd_mixer_elem_t;

namespace ilmo::audio {

class AlsaMixer final : public MixerControls {
public:
    // Empty when the card cannot be opened.
    static std::unique_ptr<AlsaMixer> open(int card);
    ~AlsaMixer() override;
    AlsaMixer(const AlsaMixer&) = delete;
    AlsaMixer& operator=(const AlsaMixer&) = delete;

    const std::vector<MixerElementInfo>& elements() const override { return infos_; }
    std::optional<VolumeRange> range(size_t element, MixerDirection direction) override;
    std::optional<long> raw_volume(size_t element, MixerDirection direction, int channel) override;
    bool set_raw_volume(size_t element, MixerDirection direction, int channel, long raw) override;
    std::optional<long> centi_db(size_t element, MixerDirection direction, int channel) override;
    bool set_centi_db(size_t element, MixerDirection direction, int channel,
                      long centi_db) override;
    std::optional<bool> switch_on(size_t element, MixerDirection direction) override;
    bool set_switch(size_t element, MixerDirection direction, bool on) override;

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
