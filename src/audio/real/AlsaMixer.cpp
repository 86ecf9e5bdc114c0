#include "audio/real/AlsaMixer.h"

#include <alsa/asoundlib.h>

#include <string>

namespace ilmo::audio {
namespace {

// The simple-mixer calls come in capture and playback twins; one table per direction keeps
// a single code path for both.
struct DirectionCalls {
    int (*has_channel)(snd_mixer_elem_t*, snd_mixer_selem_channel_id_t);
    int (*get_range)(snd_mixer_elem_t*, long*, long*);
    int (*get_db_range)(snd_mixer_elem_t*, long*, long*);
    int (*get_volume)(snd_mixer_elem_t*, snd_mixer_selem_channel_id_t, long*);
    int (*set_volume)(snd_mixer_elem_t*, snd_mixer_selem_channel_id_t, long);
    int (*set_volume_all)(snd_mixer_elem_t*, long);
    int (*get_db)(snd_mixer_elem_t*, snd_mixer_selem_channel_id_t, long*);
    int (*set_db)(snd_mixer_elem_t*, snd_mixer_selem_channel_id_t, long, int);
    int (*set_db_all)(snd_mixer_elem_t*, long, int);
    int (*get_switch)(snd_mixer_elem_t*, snd_mixer_selem_channel_id_t, int*);
    int (*set_switch_all)(snd_mixer_elem_t*, int);
};

constexpr DirectionCalls kCapture{
    snd_mixer_selem_has_capture_channel,    snd_mixer_selem_get_capture_volume_range,
    snd_mixer_selem_get_capture_dB_range,   snd_mixer_selem_get_capture_volume,
    snd_mixer_selem_set_capture_volume,     snd_mixer_selem_set_capture_volume_all,
    snd_mixer_selem_get_capture_dB,         snd_mixer_selem_set_capture_dB,
    snd_mixer_selem_set_capture_dB_all,     snd_mixer_selem_get_capture_switch,
    snd_mixer_selem_set_capture_switch_all,
};

constexpr DirectionCalls kPlayback{
    snd_mixer_selem_has_playback_channel,    snd_mixer_selem_get_playback_volume_range,
    snd_mixer_selem_get_playback_dB_range,   snd_mixer_selem_get_playback_volume,
    snd_mixer_selem_set_playback_volume,     snd_mixer_selem_set_playback_volume_all,
    snd_mixer_selem_get_playback_dB,         snd_mixer_selem_set_playback_dB,
    snd_mixer_selem_set_playback_dB_all,     snd_mixer_selem_get_playback_switch,
    snd_mixer_selem_set_playback_switch_all,
};

const DirectionCalls& calls(MixerDirection direction) {
    return direction == MixerDirection::Capture ? kCapture : kPlayback;
}

// The host's channel numbers (0 first, 1 second) as ALSA channels; a mono element has only
// its first. -1 (all) reads the first channel.
snd_mixer_selem_channel_id_t alsa_channel(snd_mixer_elem_t* elem, const DirectionCalls& c,
                                          int channel) {
    if (channel == 1 && c.has_channel(elem, SND_MIXER_SCHN_FRONT_RIGHT)) {
        return SND_MIXER_SCHN_FRONT_RIGHT;
    }
    return SND_MIXER_SCHN_FRONT_LEFT;  // the same id as SND_MIXER_SCHN_MONO
}

using LevelGetter = int (*DirectionCalls::*)(snd_mixer_elem_t*, snd_mixer_selem_channel_id_t,
                                             long*);

std::optional<long> read_level(snd_mixer_elem_t* elem, MixerDirection direction, int channel,
                               LevelGetter getter) {
    if (!elem) return {};
    const auto& c = calls(direction);
    long value = 0;
    if ((c.*getter)(elem, alsa_channel(elem, c, channel), &value) < 0) return {};
    return value;
}

MixerElementInfo describe(snd_mixer_elem_t* elem) {
    MixerElementInfo info;
    info.name = snd_mixer_selem_get_name(elem);
    info.index = static_cast<int>(snd_mixer_selem_get_index(elem));
    info.capture_volume = snd_mixer_selem_has_capture_volume(elem) != 0;
    info.capture_switch = snd_mixer_selem_has_capture_switch(elem) != 0;
    info.playback_volume = snd_mixer_selem_has_playback_volume(elem) != 0;
    info.playback_switch = snd_mixer_selem_has_playback_switch(elem) != 0;
    return info;
}

}  // namespace

std::unique_ptr<AlsaMixer> AlsaMixer::open(int card) {
    snd_mixer_t* handle = nullptr;
    if (snd_mixer_open(&handle, 0) < 0) return nullptr;
    const std::string name = "hw:" + std::to_string(card);
    if (snd_mixer_attach(handle, name.c_str()) < 0 ||
        snd_mixer_selem_register(handle, nullptr, nullptr) < 0 || snd_mixer_load(handle) < 0) {
        snd_mixer_close(handle);
        return nullptr;
    }
    return std::unique_ptr<AlsaMixer>(new AlsaMixer(handle));
}

AlsaMixer::AlsaMixer(snd_mixer_t* handle) : handle_(handle) {
    for (auto* elem = snd_mixer_first_elem(handle_); elem; elem = snd_mixer_elem_next(elem)) {
        if (!snd_mixer_selem_is_active(elem)) continue;
        elems_.push_back(elem);
        infos_.push_back(describe(elem));
    }
}

AlsaMixer::~AlsaMixer() {
    snd_mixer_close(handle_);
}

bool AlsaMixer::refresh() {
    return snd_mixer_handle_events(handle_) >= 0;
}

snd_mixer_elem_t* AlsaMixer::element_at(size_t element) {
    if (element >= elems_.size() || !refresh()) return nullptr;
    return elems_[element];
}

std::optional<VolumeRange> AlsaMixer::range(size_t element, MixerDirection direction) {
    auto* elem = element_at(element);
    if (!elem) return {};
    const auto& c = calls(direction);
    VolumeRange range;
    if (c.get_range(elem, &range.raw_min, &range.raw_max) < 0) return {};
    long db_min = 0;
    long db_max = 0;
    if (c.get_db_range(elem, &db_min, &db_max) >= 0 && db_max > db_min) {
        range.centi_db_min = db_min;
        range.centi_db_max = db_max;
    }
    return range;
}

std::optional<long> AlsaMixer::raw_volume(size_t element, MixerDirection direction, int channel) {
    return read_level(element_at(element), direction, channel, &DirectionCalls::get_volume);
}

bool AlsaMixer::set_raw_volume(size_t element, MixerDirection direction, int channel, long raw) {
    auto* elem = element_at(element);
    if (!elem) return false;
    const auto& c = calls(direction);
    const int error = channel < 0 ? c.set_volume_all(elem, raw)
                                  : c.set_volume(elem, alsa_channel(elem, c, channel), raw);
    return error >= 0;
}

std::optional<long> AlsaMixer::centi_db(size_t element, MixerDirection direction, int channel) {
    return read_level(element_at(element), direction, channel, &DirectionCalls::get_db);
}

bool AlsaMixer::set_centi_db(size_t element, MixerDirection direction, int channel, long centi_db) {
    auto* elem = element_at(element);
    if (!elem) return false;
    const auto& c = calls(direction);
    constexpr int kRoundDown = -1;
    const int error = channel < 0
                          ? c.set_db_all(elem, centi_db, kRoundDown)
                          : c.set_db(elem, alsa_channel(elem, c, channel), centi_db, kRoundDown);
    return error >= 0;
}

std::optional<bool> AlsaMixer::switch_on(size_t element, MixerDirection direction) {
    auto* elem = element_at(element);
    if (!elem) return {};
    const auto& c = calls(direction);
    int on = 0;
    if (c.get_switch(elem, alsa_channel(elem, c, 0), &on) < 0) return {};
    return on != 0;
}

bool AlsaMixer::set_switch(size_t element, MixerDirection direction, bool on) {
    auto* elem = element_at(element);
    if (!elem) return false;
    return calls(direction).set_switch_all(elem, on ? 1 : 0) >= 0;
}

}  // namespace ilmo::audio
