#include "audio/real/CaptureEndpoint.h"

#include <algorithm>
#include <cmath>

#include "audio/real/PropertyBuffer.h"

namespace ilmo::audio {
namespace {

PropertyResult outcome(bool done) {
    return done ? PropertyResult::Ok : PropertyResult::Failed;
}

// The channel a level write goes to.
int written_channel(bool every_channel, int channel) {
    return every_channel ? kAllChannels : channel;
}

}  // namespace

CaptureEndpoint::CaptureEndpoint(std::unique_ptr<MixerControls> mixer)
    : mixer_(std::move(mixer)), choice_(choose_mixer_elements(mixer_->elements())) {}

PropertyResult CaptureEndpoint::control(Property property, void* value, const void* second,
                                        bool set) {
    const Target microphone{choice_.capture_volume, choice_.capture_switch, MixerDirection::Capture,
                            false};
    const Target monitoring{choice_.monitor_volume, choice_.monitor_switch,
                            MixerDirection::Playback, true};
    const int channel = read_channel(second);
    switch (property) {
        case Property::MaxVolume:
        case Property::MinVolume:
        case Property::VolumeStep:
            return set ? PropertyResult::Unsupported : range_text(microphone, property, value);
        case Property::MonitorMaxVolume:
        case Property::MonitorMinVolume:
        case Property::MonitorVolumeStep:
            return set ? PropertyResult::Unsupported : range_text(monitoring, property, value);
        case Property::Volume:
            return level(microphone, value, channel, set);
        case Property::MonitorVolume:
            return level(monitoring, value, channel, set);
        case Property::VolumeScalar:
            return scalar(microphone, value, channel, set);
        case Property::MonitorVolumeScalar:
            return scalar(monitoring, value, channel, set);
        case Property::Mute:
            return mute(microphone, value, set);
        case Property::MonitorMute:
            return mute(monitoring, value, set);
        default:
            return PropertyResult::Unsupported;
    }
}

PropertyResult CaptureEndpoint::range_text(const Target& target, Property property, void* value) {
    if (!target.volume) return PropertyResult::Unsupported;
    const auto range = mixer_->range(*target.volume, target.direction);
    if (!range) return PropertyResult::Failed;
    double level = level_step(*range);
    if (property == Property::MaxVolume || property == Property::MonitorMaxVolume) {
        level = level_max(*range);
    } else if (property == Property::MinVolume || property == Property::MonitorMinVolume) {
        level = level_min(*range);
    }
    return write_text(value, format_level(level)) ? PropertyResult::Ok : PropertyResult::BadValue;
}

PropertyResult CaptureEndpoint::level(const Target& target, void* value, int channel, bool set) {
    if (!target.volume) return PropertyResult::Unsupported;
    const auto range = mixer_->range(*target.volume, target.direction);
    if (!range) return PropertyResult::Failed;
    const bool in_db = range->centi_db_min && range->centi_db_max;
    if (!set) {
        const auto level = in_db ? mixer_->centi_db(*target.volume, target.direction, channel)
                                 : mixer_->raw_volume(*target.volume, target.direction, channel);
        if (!level) return PropertyResult::Failed;
        const double shown = in_db ? *level / 100.0 : static_cast<double>(*level);
        return outcome(write_float(value, static_cast<float>(shown)));
    }
    const auto wanted = read_float(value);
    if (!wanted) return PropertyResult::BadValue;
    const double limited =
        std::clamp(static_cast<double>(*wanted), level_min(*range), level_max(*range));
    const int to = written_channel(target.level_on_every_channel, channel);
    if (in_db) {
        return outcome(mixer_->set_centi_db(*target.volume, target.direction, to,
                                            std::lround(limited * 100.0)));
    }
    return outcome(
        mixer_->set_raw_volume(*target.volume, target.direction, to, std::lround(limited)));
}

PropertyResult CaptureEndpoint::scalar(const Target& target, void* value, int channel, bool set) {
    if (!target.volume) return PropertyResult::Unsupported;
    const auto range = mixer_->range(*target.volume, target.direction);
    if (!range) return PropertyResult::Failed;
    if (!set) {
        const auto raw = mixer_->raw_volume(*target.volume, target.direction, channel);
        if (!raw) return PropertyResult::Failed;
        return outcome(write_float(value, scalar_from_raw(*raw, *range)));
    }
    const auto wanted = read_float(value);
    if (!wanted) return PropertyResult::BadValue;
    return outcome(mixer_->set_raw_volume(*target.volume, target.direction,
                                          written_channel(target.level_on_every_channel, channel),
                                          raw_from_scalar(*wanted, *range)));
}

PropertyResult CaptureEndpoint::mute(const Target& target, void* value, bool set) {
    if (!target.mute_switch) return PropertyResult::Unsupported;
    if (!set) {
        const auto on = mixer_->switch_on(*target.mute_switch, target.direction);
        if (!on) return PropertyResult::Failed;
        return outcome(write_int(value, *on ? 0 : 1));
    }
    const auto muted = read_int(value);
    if (!muted) return PropertyResult::BadValue;
    return outcome(mixer_->set_switch(*target.mute_switch, target.direction, *muted == 0));
}

}  // namespace ilmo::audio
