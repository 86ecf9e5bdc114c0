// The built library against a PulseAudio daemon the test starts itself, whose null sink
// carries the headset's USB identity: the equaliser filter it puts in place, and what that
// filter does to a tone played through it.

#include <gtest/gtest.h>
#include <pulse/simple.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "audio/real/EqualiserModule.h"
#include "audio/real/PulseSession.h"
#include "audio_real/LoadedLibrary.h"
#include "audio_real/PrivatePulseDaemon.h"
#include "audio_real/ToneProbe.h"

namespace ilmo::audio::testing {
namespace {

namespace p = property;

constexpr EqGains kPresetOne{7, 11, 2, -3, -1, 4, 9, 12, 9, 5};
// Each differs from the one before in every band.
constexpr EqGains kPresetTwo{8, 12, 6, -4, -11, -2, 6, 13, 6, 13};
constexpr EqGains kPresetFour{2, 1, -2, -3, -5, -7, 0, 4, 10, 8};
// Tones over the range where the plugin's bands lie flat; the low one in the three lowest
// bands, the middle one well above them.
constexpr std::array<double, 4> kTones_hz{63, 250, 1000, 4000};
constexpr size_t kLowTone = 0;
constexpr size_t kMiddleTone = 2;
const wchar_t* const kSliders[kEqBandCount] = {
    L"EQ_Slider1", L"EQ_Slider2", L"EQ_Slider3", L"EQ_Slider4", L"EQ_Slider5",
    L"EQ_Slider6", L"EQ_Slider7", L"EQ_Slider8", L"EQ_Slider9", L"EQ_Slider10"};

class SoundServerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        daemon_ = new PrivatePulseDaemon;
        if (daemon_->start()) {
            setenv("PULSE_SERVER", daemon_->server().c_str(), 1);
        } else {
            skip_reason_ = new std::string(daemon_->why());
        }
    }
    static void TearDownTestSuite() {
        delete daemon_;
        delete skip_reason_;
        daemon_ = nullptr;
        skip_reason_ = nullptr;
        unsetenv("PULSE_SERVER");
    }

    void SetUp() override {
        if (skip_reason_) GTEST_SKIP() << "no private sound server here: " << *skip_reason_;
        ASSERT_TRUE(lib().loaded()) << AUDIO_REAL_LIBRARY;
        ASSERT_EQ(lib().init(), 0);
        ASSERT_EQ(lib().create_device_list(), 0);
        int32_t count = 0;
        ASSERT_EQ(lib().count(CONF_LIB_FLOW_PLAYBACK, count), 0);
        ASSERT_EQ(count, 1) << "the null sink with the headset's identity is not found";
        ASSERT_EQ(lib().device(CONF_LIB_FLOW_PLAYBACK, 0, playback_), 0);
        session_ = PulseSession::connect(5000);
        ASSERT_TRUE(session_);
    }
    void TearDown() override {
        if (!skip_reason_) (void)lib().write_int(playback_, p::kEnableEq, 0);
    }

    static const LoadedLibrary& lib() { return LoadedLibrary::instance(); }

    void set_curve(const EqGains& gains) {
        for (int band = 0; band < kEqBandCount; ++band) {
            ASSERT_EQ(lib().write_int(playback_, kSliders[band], gains[band]), 0) << band;
        }
    }
    // Reading an equaliser property puts every change still waiting in place first.
    void settle() {
        int32_t on = -1;
        ASSERT_EQ(lib().read_int(playback_, p::kEnableEq, on), 0);
    }
    // The equaliser filter the server runs, if any.
    std::optional<ModuleEntry> filter() {
        const auto modules = session_->modules();
        if (!modules) return {};
        const auto found = std::ranges::find_if(
            *modules, [](const ModuleEntry& m) { return is_eq_module(m.name, m.argument); });
        if (found == modules->end()) return {};
        return *found;
    }
    std::optional<std::string> filter_arguments() {
        const auto found = filter();
        if (!found) return {};
        return found->argument;
    }
    std::optional<EqGains> filter_gains() {
        return eq_gains_from_arguments(filter_arguments().value_or(""));
    }
    // The server numbers modules in the order they load and never again: the difference
    // between two filters' numbers is how often a module was loaded in between.
    uint32_t filter_number() { return filter().value_or(ModuleEntry{}).index; }
    // The sink a client program's stream plays on, by name; empty when none plays.
    std::string client_stream_sink() {
        const auto inputs = session_->sink_inputs();
        const auto sinks = session_->sinks();
        if (!inputs || !sinks) return {};
        for (const auto& input : *inputs) {
            if (input.client == UINT32_MAX) continue;
            for (const auto& sink : *sinks) {
                if (sink.index == input.sink) return sink.name;
            }
        }
        return {};
    }
    ToneLevels measure() {
        std::string why;
        const auto levels =
            play_and_measure(std::string(kHeadsetSinkName) + ".monitor", kTones_hz, why);
        EXPECT_TRUE(levels) << why;
        return levels.value_or(ToneLevels(kTones_hz.size(), 0.0));
    }

    static inline PrivatePulseDaemon* daemon_ = nullptr;
    static inline std::string* skip_reason_ = nullptr;
    ConfLibDevice playback_{};
    std::unique_ptr<PulseSession> session_;
};

TEST_F(SoundServerTest, PresetPutsTheFilterInFrontOfTheHeadsetAndDisablingRemovesIt) {
    std::string features;
    ASSERT_EQ(lib().read_text(playback_, p::kGetSupportFeature, features), 0);
    EXPECT_EQ(features, "1,0,0,0,0,0,0");

    // The host's order for a preset: enable, then the ten bands.
    ASSERT_EQ(lib().write_int(playback_, p::kEnableEq, 1), 0);
    set_curve(kPresetOne);
    int32_t value = -1;
    ASSERT_EQ(lib().read_int(playback_, p::kEnableEq, value), 0);
    EXPECT_EQ(value, 1);
    const auto arguments = filter_arguments();
    ASSERT_TRUE(arguments) << "no equaliser filter loaded";
    EXPECT_EQ(eq_gains_from_arguments(*arguments), kPresetOne) << *arguments;
    EXPECT_NE(arguments->find("sink_master=" + std::string(kHeadsetSinkName)), std::string::npos)
        << *arguments;
    EXPECT_EQ(session_->default_sink(), std::string(kEqSinkName));
    ASSERT_EQ(lib().read_int(playback_, L"EQ_Slider8", value), 0);
    EXPECT_EQ(value, 12);

    // Beyond the filter's range: limited, not refused.
    ASSERT_EQ(lib().write_int(playback_, L"EQ_Slider1", 90), 0);
    settle();
    EXPECT_EQ(filter_gains().value_or(EqGains{})[0], kEqGainMax_db);

    // The user put the output back on the headset itself: enabling again with the same
    // curve makes the filter the output again.
    ASSERT_TRUE(session_->set_default_sink(kHeadsetSinkName));
    ASSERT_EQ(lib().write_int(playback_, p::kEnableEq, 1), 0);
    settle();
    EXPECT_EQ(session_->default_sink(), std::string(kEqSinkName));

    ASSERT_EQ(lib().write_int(playback_, p::kEnableEq, 0), 0);
    ASSERT_EQ(lib().read_int(playback_, p::kEnableEq, value), 0);
    EXPECT_EQ(value, 0);
    EXPECT_FALSE(filter_arguments());
    EXPECT_EQ(session_->default_sink(), std::string(kHeadsetSinkName));
    // Bands set while disabled are kept for the next enable.
    ASSERT_EQ(lib().write_int(playback_, L"EQ_Slider1", -5), 0);
    settle();
    EXPECT_FALSE(filter_arguments());
    ASSERT_EQ(lib().write_int(playback_, p::kEnableEq, 1), 0);
    settle();
    EXPECT_EQ(filter_gains().value_or(EqGains{})[0], -5);
}

TEST_F(SoundServerTest, APresetLoadsTheFilterOnceAndABandMoveFollowsOnItsOwn) {
    // Each load moves the playing streams, which is heard.
    ASSERT_EQ(lib().write_int(playback_, p::kEnableEq, 1), 0);
    set_curve(kPresetOne);
    settle();
    const uint32_t first = filter_number();
    ASSERT_TRUE(filter());
    ASSERT_EQ(lib().write_int(playback_, p::kEnableEq, 1), 0);
    set_curve(kPresetTwo);
    settle();
    EXPECT_EQ(filter_gains(), kPresetTwo);
    EXPECT_EQ(filter_number() - first, 1u) << "loads for a preset while enabled";

    const uint32_t second = filter_number();
    ASSERT_EQ(lib().write_int(playback_, p::kEnableEq, 0), 0);
    settle();
    ASSERT_EQ(lib().write_int(playback_, p::kEnableEq, 1), 0);
    set_curve(kPresetOne);
    settle();
    EXPECT_EQ(filter_gains(), kPresetOne);
    EXPECT_EQ(filter_number() - second, 1u) << "loads for a preset while disabled";

    // Nothing more comes from the host after one band is moved: it is put in place anyway.
    ASSERT_EQ(lib().write_int(playback_, L"EQ_Slider3", -9), 0);
    const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (filter_gains().value_or(EqGains{})[2] != -9 &&
           std::chrono::steady_clock::now() < give_up) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(filter_gains().value_or(EqGains{})[2], -9);
}

TEST_F(SoundServerTest, PresetOfAHostThatExitsAtOnceIsInPlaceAfterwards) {
    // As `ilmoctl headset set eq 4` does: write and exit, never calling ConfLibUnInit.
    std::vector<std::string> texts{HOST_THAT_EXITS};
    for (int gain : kPresetFour) texts.push_back(std::to_string(gain));
    std::vector<char*> arguments;
    for (auto& text : texts) arguments.push_back(text.data());
    arguments.push_back(nullptr);
    pid_t host = -1;
    ASSERT_EQ(posix_spawn(&host, HOST_THAT_EXITS, nullptr, nullptr, arguments.data(), environ), 0);
    int status = -1;
    ASSERT_EQ(waitpid(host, &status, 0), host);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(filter_gains(), kPresetFour);
    EXPECT_EQ(session_->default_sink(), std::string(kEqSinkName));
}

TEST_F(SoundServerTest, PlayingStreamsMoveOntoTheFilterAndBack) {
    // A program already playing on the headset when the equaliser comes on.
    const pa_sample_spec spec{PA_SAMPLE_S16LE, 44100, 2};
    pa_simple* stream = pa_simple_new(nullptr, "ilmo audio test", PA_STREAM_PLAYBACK,
                                      kHeadsetSinkName, "music", &spec, nullptr, nullptr, nullptr);
    ASSERT_TRUE(stream);
    std::atomic<bool> playing{true};
    std::thread player([&] {
        const std::vector<int16_t> silence(4410 * 2);
        while (playing &&
               pa_simple_write(stream, silence.data(), silence.size() * 2, nullptr) == 0) {
        }
    });
    EXPECT_EQ(client_stream_sink(), kHeadsetSinkName);
    EXPECT_EQ(lib().write_int(playback_, p::kEnableEq, 1), 0);
    settle();
    EXPECT_EQ(client_stream_sink(), kEqSinkName);
    // A new curve loads a new filter; the stream goes along.
    EXPECT_EQ(lib().write_int(playback_, L"EQ_Slider5", 4), 0);
    settle();
    EXPECT_EQ(client_stream_sink(), kEqSinkName);
    EXPECT_EQ(lib().write_int(playback_, p::kEnableEq, 0), 0);
    settle();
    EXPECT_EQ(client_stream_sink(), kHeadsetSinkName);
    playing = false;
    player.join();
    pa_simple_free(stream);
}

TEST_F(SoundServerTest, FlatCurvePlaysAsNoFilterAndALiftedOneTakesItsShape) {
    const ToneLevels plain = measure();

    set_curve(EqGains{});
    ASSERT_EQ(lib().write_int(playback_, p::kEnableEq, 1), 0);
    settle();
    const ToneLevels flat = measure();
    ASSERT_EQ(flat.size(), kTones_hz.size());
    for (size_t t = 0; t < kTones_hz.size(); ++t) {
        EXPECT_NEAR(flat[t], plain[t], 1.0) << kTones_hz[t] << " Hz";
    }

    // The plugin's bands overlap, so one band alone lifts its centre by little more than
    // half its gain: the low end is lifted as a whole (31, 63 and 125 Hz), 1 kHz stays.
    set_curve(EqGains{10, 10, 10, 0, 0, 0, 0, 0, 0, 0});
    settle();
    const ToneLevels lifted = measure();
    EXPECT_NEAR(lifted[kLowTone] - flat[kLowTone], 10.0, 2.0);
    EXPECT_NEAR(lifted[kMiddleTone], flat[kMiddleTone], 1.5);

    ASSERT_EQ(lib().write_int(playback_, p::kEnableEq, 0), 0);
    settle();
    const ToneLevels restored = measure();
    for (size_t t = 0; t < kTones_hz.size(); ++t) {
        EXPECT_NEAR(restored[t], plain[t], 0.5) << kTones_hz[t] << " Hz";
    }
}

TEST_F(SoundServerTest, EffectsItCannotHostAreRefused) {
    int32_t value = 0;
    EXPECT_NE(lib().write_int(playback_, p::kVirtualSurround, 1), 0);
    EXPECT_NE(lib().write_int(playback_, p::kEnableRoomEffect, 1), 0);
    EXPECT_NE(lib().read_int(playback_, p::kEnableMagicVoice, value), 0);
    EXPECT_NE(lib().write_int(playback_, L"EQ_Slider11", 3), 0);
    EXPECT_FALSE(filter_arguments());
}

}  // namespace
}  // namespace ilmo::audio::testing
