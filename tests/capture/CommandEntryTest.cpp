// The command entry and the recorder's start without a sound server to talk to: the magic
// number, the three commands and their notices, and a start that can never hang the caller.

#include <gtest/gtest.h>
#include <unistd.h>

#include <future>
#include <string>

#include "capture/CAudioRecorImpl.h"
#include "capture/CSingleton.h"
#include "capture/MuteServer.h"
#include "capture/NoticeQueue.h"

namespace ilmo::capture::testing {
namespace {

const RecorderOptions kNoServer{"unix:/nonexistent/ilmo-capture/native"};

class SilentListener final : public IPlaybackCaptureEvent {
public:
    void started(int) override {}
    void stopped() override {}
    void format(const CaptureFormat&) override {}
    void data(std::vector<uint8_t>) override {}
    bool failed_or_changed() override { return false; }
};

TEST(CommandEntry, OnlyTheMagicNumberIsObeyedAndEachCommandTellsTheWindowFirst) {
    NoticeQueue window;
    CAudioRecorImpl entry(kNoServer);
    entry.command(1234, kRegisterWindow, &window);
    entry.command(1234, kStartCapture);
    entry.command(kCommandMagic, kStartCapture);  // no window registered yet
    EXPECT_TRUE(window.taken().empty());

    entry.command(kCommandMagic, kRegisterWindow, &window);
    entry.command(kCommandMagic, 7);
    entry.command(kCommandMagic + 1, kStopCapture);
    EXPECT_TRUE(window.taken().empty());

    entry.command(kCommandMagic, kStartCapture);
    EXPECT_FALSE(entry.capturing()) << "there is no server to capture from";
    entry.command(kCommandMagic, kStopCapture);
    const auto notices = window.taken();
    ASSERT_EQ(notices.size(), 2u);
    EXPECT_EQ(notices[0].number, kStartingNotice);
    EXPECT_EQ(notices[1].number, kStoppingNotice);
    for (const auto& notice : notices) {
        EXPECT_EQ(notice.byte_count, kLevelsBytes);
        EXPECT_TRUE(notice.bytes.empty());
    }

    entry.command(kCommandMagic, kRegisterWindow, nullptr);
    entry.command(kCommandMagic, kStartCapture);
    EXPECT_EQ(window.taken().size(), 2u);
    EXPECT_EQ(&CSingleton<CAudioRecorImpl>::instance(), &CSingleton<CAudioRecorImpl>::instance());
}

TEST(CommandEntry, StartFailsWithoutAStreamAndEndsItsThread) {
    SilentListener listener;
    PlaybackRecorder recorder(kNoServer);
    EXPECT_FALSE(recorder.start()) << "not initialised";
    ASSERT_TRUE(recorder.initialise(listener));
    EXPECT_FALSE(recorder.start());
    EXPECT_FALSE(recorder.running());
}

TEST(CommandEntry, StartGivesUpOnAServerThatNeverAnswers) {
    MuteServer mute("/tmp/ilmo-mute-" + std::to_string(getpid()));
    ASSERT_TRUE(mute.listening());
    SilentListener listener;
    PlaybackRecorder recorder({mute.server(), std::chrono::milliseconds(300)});
    ASSERT_TRUE(recorder.initialise(listener));
    // libpulse itself gives up after 30 s; the attempt must not wait for that, and as the
    // listener declines to go on, the thread ends with it. The bound here is a hang guard far
    // above the start's own time-out.
    auto started = std::async(std::launch::async, [&] { return recorder.start(); });
    ASSERT_EQ(started.wait_for(std::chrono::seconds(20)), std::future_status::ready);
    EXPECT_FALSE(started.get());
    EXPECT_FALSE(recorder.running());
}

}  // namespace
}  // namespace ilmo::capture::testing
