// The microphone and monitoring properties as the capture endpoint turns them into mixer
// calls: the mute sense of the card's switches, levels in dB or raw steps, ranges, and which
// channels a level reaches.

#include "audio/real/CaptureEndpoint.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>
#include <string>
#include <utility>

#include "audio/ConfLibApi.h"
#include "audio/real/PropertyBuffer.h"

namespace ilmo::audio {
namespace {

// There is no sound card on the machines that run these tests, so the endpoint talks to this
// in-memory mixer instead of AlsaMixer (which only passes each call on to ALSA). Like ALSA,
// a switch that is on lets sound through, and a dB level is rounded down to a raw step.
class FakeMixer final : public MixerControls {
public:
    struct Control {
        VolumeRange range;
        std::array<long, 2> raw{};  // first and second channel
        bool on = true;
    };

    std::vector<MixerElementInfo> infos;
    std::map<std::pair<size_t, MixerDirection>, Control> controls;

    Control& at(size_t element, MixerDirection direction) {
        return controls.at({element, direction});
    }

    const std::vector<MixerElementInfo>& elements() const override { return infos; }
    std::optional<VolumeRange> range(size_t element, MixerDirection direction) override {
        return at(element, direction).range;
    }
    std::optional<long> raw_volume(size_t element, MixerDirection direction, int channel) override {
        return at(element, direction).raw[channel == 1 ? 1 : 0];
    }
    bool set_raw_volume(size_t element, MixerDirection direction, int channel, long raw) override {
        auto& levels = at(element, direction).raw;
        if (channel < 0) {
            levels.fill(raw);
        } else {
            levels[channel == 1 ? 1 : 0] = raw;
        }
        return true;
    }
    std::optional<long> centi_db(size_t element, MixerDirection direction, int channel) override {
        const auto& r = at(element, direction).range;
        const long raw = *raw_volume(element, direction, channel);
        return *r.centi_db_min +
               (raw - r.raw_min) * (*r.centi_db_max - *r.centi_db_min) / (r.raw_max - r.raw_min);
    }
    bool set_centi_db(size_t element, MixerDirection direction, int channel,
                      long centi_db) override {
        const auto& r = at(element, direction).range;
        const double steps = static_cast<double>(centi_db - *r.centi_db_min) *
                             static_cast<double>(r.raw_max - r.raw_min) /
                             static_cast<double>(*r.centi_db_max - *r.centi_db_min);
        return set_raw_volume(element, direction, channel,
                              r.raw_min + static_cast<long>(std::floor(steps)));
    }
    std::optional<bool> switch_on(size_t element, MixerDirection direction) override {
        return at(element, direction).on;
    }
    bool set_switch(size_t element, MixerDirection direction, bool on) override {
        at(element, direction).on = on;
        return true;
    }
};

constexpr auto kCapture = MixerDirection::Capture;
constexpr auto kPlayback = MixerDirection::Playback;
const VolumeRange kDbRange{0, 30, -1200, 1800};  // one dB a step
const VolumeRange kRawRange{0, 127, {}, {}};     // a card without a dB scale

class CaptureEndpointTest : public ::testing::Test {
protected:
    // A USB headset's "Mic": microphone capture and its playback into the headphones.
    void make_card(const VolumeRange& capture, const VolumeRange& monitoring,
                   bool with_monitoring = true) {
        auto mixer = std::make_unique<FakeMixer>();
        mixer->infos = {{"Mic", 0, true, true, with_monitoring, with_monitoring}};
        mixer->controls[{0, kCapture}] = {capture};
        if (with_monitoring) mixer->controls[{0, kPlayback}] = {monitoring};
        mixer_ = mixer.get();
        endpoint_ = std::make_unique<CaptureEndpoint>(std::move(mixer));
    }
    PropertyResult call(Property property, int channel, bool set) {
        return endpoint_->control(property, value_.data(), &channel, set);
    }
    PropertyResult write_number(Property property, float number, int channel = kAllChannels) {
        value_.fill(0);
        (void)write_float(value_.data(), number);
        return call(property, channel, true);
    }
    float read_number(Property property, int channel = kAllChannels) {
        value_.fill(0);
        EXPECT_EQ(call(property, channel, false), PropertyResult::Ok);
        return read_float(value_.data()).value_or(-999.0f);
    }
    PropertyResult write_flag(Property property, int32_t flag) {
        value_.fill(0);
        (void)write_int(value_.data(), flag);
        return call(property, kAllChannels, true);
    }
    int32_t read_flag(Property property) {
        value_.fill(0);
        EXPECT_EQ(call(property, kAllChannels, false), PropertyResult::Ok);
        return read_int(value_.data()).value_or(-1);
    }
    std::string read_text(Property property) {
        value_.fill(0);
        if (call(property, kAllChannels, false) != PropertyResult::Ok) return "(failed)";
        return value_.data();
    }

    std::array<char, CONF_LIB_BUFFER_BYTES> value_{};
    FakeMixer* mixer_ = nullptr;
    std::unique_ptr<CaptureEndpoint> endpoint_;
};

TEST_F(CaptureEndpointTest, MuteIsTheSwitchTurnedOff) {
    make_card(kDbRange, kDbRange);
    // A switch that is on captures (or plays back): not muted.
    EXPECT_EQ(read_flag(Property::Mute), 0);
    EXPECT_EQ(read_flag(Property::MonitorMute), 0);
    mixer_->at(0, kCapture).on = false;
    EXPECT_EQ(read_flag(Property::Mute), 1);

    ASSERT_EQ(write_flag(Property::Mute, 0), PropertyResult::Ok);
    EXPECT_TRUE(mixer_->at(0, kCapture).on);
    ASSERT_EQ(write_flag(Property::MonitorMute, 1), PropertyResult::Ok);
    EXPECT_FALSE(mixer_->at(0, kPlayback).on);
    EXPECT_TRUE(mixer_->at(0, kCapture).on) << "monitoring has its own switch";
    EXPECT_EQ(read_flag(Property::MonitorMute), 1);
}

TEST_F(CaptureEndpointTest, LevelsAndRangesInDbWhereTheCardHasAScale) {
    make_card(kDbRange, kDbRange);
    EXPECT_EQ(read_text(Property::MinVolume), "-12.00");
    EXPECT_EQ(read_text(Property::MaxVolume), "18.00");
    EXPECT_EQ(read_text(Property::VolumeStep), "1.00");
    EXPECT_EQ(write_number(Property::MaxVolume, 3.0f), PropertyResult::Unsupported);

    ASSERT_EQ(write_number(Property::Volume, 6.0f), PropertyResult::Ok);
    EXPECT_EQ(mixer_->at(0, kCapture).raw, (std::array<long, 2>{18, 18}));
    EXPECT_FLOAT_EQ(read_number(Property::Volume), 6.0f);
    // Beyond the range: limited to it.
    ASSERT_EQ(write_number(Property::Volume, 40.0f), PropertyResult::Ok);
    EXPECT_FLOAT_EQ(read_number(Property::Volume), 18.0f);
    // The scalar level spreads over the raw steps, whatever their dB.
    ASSERT_EQ(write_number(Property::VolumeScalar, 0.55f), PropertyResult::Ok);
    EXPECT_EQ(mixer_->at(0, kCapture).raw[0], 17);
    EXPECT_NEAR(read_number(Property::VolumeScalar), 17.0 / 30.0, 1e-6);
    EXPECT_FLOAT_EQ(read_number(Property::Volume), 5.0f);
}

TEST_F(CaptureEndpointTest, RawStepsWhereTheCardHasNoScaleAndNoMonitoringWithoutAControl) {
    make_card(kRawRange, kRawRange, false);
    EXPECT_EQ(read_text(Property::MinVolume), "0.00");
    EXPECT_EQ(read_text(Property::MaxVolume), "127.00");
    EXPECT_EQ(read_text(Property::VolumeStep), "1.00");
    ASSERT_EQ(write_number(Property::Volume, 64.0f), PropertyResult::Ok);
    EXPECT_EQ(mixer_->at(0, kCapture).raw[0], 64);
    EXPECT_FLOAT_EQ(read_number(Property::Volume), 64.0f);

    EXPECT_FALSE(endpoint_->has_monitoring());
    EXPECT_EQ(read_text(Property::MonitorMaxVolume), "(failed)");
    EXPECT_EQ(write_number(Property::MonitorVolumeScalar, 0.5f), PropertyResult::Unsupported);
    EXPECT_EQ(write_flag(Property::MonitorMute, 1), PropertyResult::Unsupported);
}

TEST_F(CaptureEndpointTest, MonitoringLevelReachesBothEarsMicrophoneKeepsItsChannel) {
    make_card(kDbRange, kRawRange);
    // The host names channel 0 for the monitoring level and reads it back from channel 1.
    ASSERT_EQ(write_number(Property::MonitorVolumeScalar, 0.5f, 0), PropertyResult::Ok);
    EXPECT_EQ(mixer_->at(0, kPlayback).raw, (std::array<long, 2>{64, 64}));
    ASSERT_EQ(write_number(Property::MonitorVolume, 100.0f, 1), PropertyResult::Ok);
    EXPECT_EQ(mixer_->at(0, kPlayback).raw, (std::array<long, 2>{100, 100}));
    EXPECT_FLOAT_EQ(read_number(Property::MonitorVolume, 1), 100.0f);

    ASSERT_EQ(write_number(Property::VolumeScalar, 1.0f, 1), PropertyResult::Ok);
    EXPECT_EQ(mixer_->at(0, kCapture).raw, (std::array<long, 2>{0, 30}));
    ASSERT_EQ(write_number(Property::Volume, -2.0f, 0), PropertyResult::Ok);
    EXPECT_EQ(mixer_->at(0, kCapture).raw, (std::array<long, 2>{10, 30}));
    EXPECT_FLOAT_EQ(read_number(Property::Volume, 1), 18.0f);
}

}  // namespace
}  // namespace ilmo::audio
