// Capture against a sound server the test starts itself: a tone played into the default
// output shows in the levels, capture follows a new default output, comes back after the
// server restarts or begins when a server comes after the start, and the recorder's start
// and stop keep their promises.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <future>
#include <memory>
#include <string>
#include <thread>

#include "audio_real/PrivatePulseDaemon.h"
#include "capture/CAudioRecorImpl.h"
#include "capture/MuteServer.h"
#include "capture/NoticeQueue.h"
#include "capture/ToneSource.h"

namespace ilmo::capture::testing {
namespace {

using audio::testing::kHeadsetSinkName;
using audio::testing::PrivatePulseDaemon;
constexpr const char* kOtherSink = "other_out";

bool peaks_near(const CopyData& notice, int bin) {
    if (notice.number != kLevelsNotice) return false;
    return std::abs(peak_bin(notice_levels(notice)) - bin) <= 1;
}

class RealCapture : public ::testing::Test {
protected:
    void SetUp() override {
        if (!daemon_.start()) GTEST_SKIP() << "no private sound server here: " << daemon_.why();
    }
    bool pactl(const std::string& arguments) {
        const std::string command =
            "pactl --server='" + daemon_.server() + "' " + arguments + " >/dev/null 2>&1";
        return std::system(command.c_str()) == 0;
    }
    bool hears_tone(int bin) {
        return window_.wait_for([bin](const CopyData& notice) { return peaks_near(notice, bin); })
            .has_value();
    }
    // Capture through the command entry, as the window starts it, and a first tone heard.
    void start_capture_and_hear_a_tone() {
        entry_ = std::make_unique<CAudioRecorImpl>(RecorderOptions{daemon_.server()});
        entry_->command(kCommandMagic, kRegisterWindow, &window_);
        entry_->command(kCommandMagic, kStartCapture);
        ASSERT_TRUE(entry_->capturing());
        ToneSource tone(daemon_.server(), kHeadsetSinkName, tone_hz_for_bin(20));
        EXPECT_TRUE(hears_tone(20));
    }

    PrivatePulseDaemon daemon_;
    NoticeQueue window_;
    std::unique_ptr<CAudioRecorImpl> entry_;
};

TEST_F(RealCapture, ToneShowsInItsBinAndCaptureFollowsTheDefaultOutput) {
    ASSERT_TRUE(pactl(std::string("load-module module-null-sink sink_name=") + kOtherSink));
    ASSERT_NO_FATAL_FAILURE(start_capture_and_hear_a_tone());
    // A tone only in the other output reaches the levels once that output is the default.
    ToneSource other_tone(daemon_.server(), kOtherSink, tone_hz_for_bin(45));
    ASSERT_TRUE(pactl(std::string("set-default-sink ") + kOtherSink));
    EXPECT_TRUE(hears_tone(45));
    EXPECT_TRUE(entry_->capturing());
}

TEST_F(RealCapture, CaptureComesBackAfterTheServerRestarts) {
    ASSERT_NO_FATAL_FAILURE(start_capture_and_hear_a_tone());
    daemon_.kill_now();
    ASSERT_TRUE(daemon_.start_again()) << daemon_.why();
    ToneSource tone(daemon_.server(), kHeadsetSinkName, tone_hz_for_bin(30));
    EXPECT_TRUE(hears_tone(30));
    EXPECT_TRUE(entry_->capturing());
    entry_->command(kCommandMagic, kStopCapture);
    EXPECT_FALSE(entry_->capturing());
}

TEST_F(RealCapture, CaptureStartedBeforeTheServerBeginsWhenTheServerComes) {
    daemon_.kill_now();
    CAudioRecorImpl entry(RecorderOptions{daemon_.server()});
    entry.command(kCommandMagic, kRegisterWindow, &window_);
    entry.command(kCommandMagic, kStartCapture);
    EXPECT_FALSE(entry.capturing()) << "no server yet: the start itself fails";
    ASSERT_TRUE(daemon_.start_again()) << daemon_.why();
    ToneSource tone(daemon_.server(), kHeadsetSinkName, tone_hz_for_bin(20));
    EXPECT_TRUE(hears_tone(20));
    EXPECT_TRUE(entry.capturing());
}

TEST_F(RealCapture, AnOutputOfEightChannelsAt192kHzIsCaptured) {
    // More channels than libpulse's default layouts name: the stream needs the output's own.
    ASSERT_TRUE(
        pactl("load-module module-null-sink sink_name=surround_out channels=8 rate=192000"));
    ASSERT_TRUE(pactl("set-default-sink surround_out"));
    CAudioRecorImpl entry(RecorderOptions{daemon_.server()});
    entry.command(kCommandMagic, kRegisterWindow, &window_);
    entry.command(kCommandMagic, kStartCapture);
    ASSERT_TRUE(entry.capturing());
    ToneSource tone(daemon_.server(), "surround_out", 1000);
    EXPECT_TRUE(window_.wait_for([](const CopyData& notice) {
        return notice.number == kLevelsNotice && peak_bin(notice_levels(notice)) > 0;
    }));
}

// Counts what the recorder reports, and notes any call that comes after stop() returned.
class CountingListener final : public IPlaybackCaptureEvent {
public:
    void started(int period_ms) override {
        EXPECT_GE(period_ms, 1);
        EXPECT_EQ(formats, starts + 1) << "the format comes before each start";
        ++starts;
        late_calls += stop_returned;
    }
    void stopped() override {
        ++stops;
        late_calls += stop_returned;
    }
    void format(const CaptureFormat& record) override {
        EXPECT_EQ(record.bits_per_sample, 16);
        ++formats;
        late_calls += stop_returned;
    }
    void data(std::vector<uint8_t> bytes) override {
        packets += !bytes.empty();
        late_calls += stop_returned;
    }
    bool failed_or_changed() override {
        ++failures;
        late_calls += stop_returned;
        return go_on;
    }

    std::atomic<int> starts{0}, stops{0}, formats{0}, packets{0}, failures{0}, late_calls{0};
    std::atomic<bool> stop_returned{false}, go_on{false};
};

template <class Condition>
bool eventually(Condition condition) {
    // A hang guard, not a timing claim.
    for (int tries = 0; tries < 3000 && !condition(); ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return condition();
}

TEST_F(RealCapture, RecorderStartsOnlyOnARunningStreamAndStopsCompletely) {
    CountingListener listener;
    PlaybackRecorder recorder({daemon_.server()});
    ASSERT_TRUE(recorder.initialise(listener));
    ASSERT_TRUE(recorder.start());
    EXPECT_EQ(listener.starts, 1);
    EXPECT_TRUE(eventually([&] { return listener.packets > 0; }));

    // The listener declines to go on: the thread ends, and so does "running".
    daemon_.kill_now();
    EXPECT_TRUE(eventually([&] { return !recorder.running(); }));
    EXPECT_EQ(listener.stops, 1);
    // A start with no server has no running stream, whatever an earlier start saw.
    EXPECT_FALSE(recorder.start());
    EXPECT_FALSE(recorder.running());

    ASSERT_TRUE(daemon_.start_again()) << daemon_.why();
    ASSERT_TRUE(recorder.initialise(listener));
    ASSERT_TRUE(recorder.start());
    EXPECT_EQ(listener.starts, 2);
    const int packets_before = listener.packets;
    EXPECT_TRUE(eventually([&] { return listener.packets > packets_before; }));
    recorder.stop();
    listener.stop_returned = true;
    EXPECT_EQ(listener.stops, 2);
    EXPECT_FALSE(recorder.running());
    // Packets come every few milliseconds: a thread left running would be heard from.
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(listener.late_calls, 0);
}

TEST_F(RealCapture, AStopEndsAStartWaitingOnAServerThatNeverAnswersAndALaterStartWorks) {
    daemon_.kill_now();
    CountingListener listener;
    // Only the stop can end this start within the hang guards: its own time-out is longer.
    PlaybackRecorder recorder({daemon_.server(), std::chrono::minutes(1)});
    {
        MuteServer mute(daemon_.server().substr(std::string("unix:").size()));
        ASSERT_TRUE(mute.listening());
        ASSERT_TRUE(recorder.initialise(listener));
        auto started = std::async(std::launch::async, [&] { return recorder.start(); });
        ASSERT_TRUE(eventually([&] { return recorder.running(); }));
        auto stopped = std::async(std::launch::async, [&] { recorder.stop(); });
        ASSERT_EQ(stopped.wait_for(std::chrono::seconds(20)), std::future_status::ready);
        ASSERT_EQ(started.wait_for(std::chrono::seconds(20)), std::future_status::ready);
        EXPECT_FALSE(started.get());
        EXPECT_FALSE(recorder.running());
    }
    ASSERT_TRUE(daemon_.start_again()) << daemon_.why();
    ASSERT_TRUE(recorder.initialise(listener));
    EXPECT_TRUE(recorder.start());
    EXPECT_TRUE(eventually([&] { return listener.packets > 0; }));
}

TEST_F(RealCapture, RetriesBackOffWhileTheServerIsAwayAndCaptureReturnsWithIt) {
    CountingListener listener;
    listener.go_on = true;
    PlaybackRecorder recorder({daemon_.server()});
    ASSERT_TRUE(recorder.initialise(listener));
    ASSERT_TRUE(recorder.start());
    daemon_.kill_now();
    // Pauses of 100, 200, 400 and 800 ms fit in this time: a handful of attempts, where
    // retries without a pause would be thousands. A slow machine only makes fewer.
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    EXPECT_GE(listener.failures, 1);
    EXPECT_LE(listener.failures, 10);
    EXPECT_TRUE(recorder.running());

    ASSERT_TRUE(daemon_.start_again()) << daemon_.why();
    EXPECT_TRUE(eventually([&] { return listener.starts == 2; }));
    recorder.stop();
}

}  // namespace
}  // namespace ilmo::capture::testing
