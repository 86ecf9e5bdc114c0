// "music listen" against a sound server the test starts itself: a tone played into the
// default output reaches the printed band sets, and without a server the command fails as
// a device error at once and leaves capture stopped.

#include <cstdlib>

#include "ToolRunFixture.h"
#include "audio_real/PrivatePulseDaemon.h"
#include "capture/CAudioRecorImpl.h"
#include "capture/CSingleton.h"
#include "capture/ToneSource.h"

namespace ilmo::ctl {
namespace {

using audio::testing::kHeadsetSinkName;
using audio::testing::PrivatePulseDaemon;
using capture::testing::ToneSource;
using capture::testing::tone_hz_for_bin;

bool capturing() {
    return capture::CSingleton<capture::CAudioRecorImpl>::instance().capturing();
}

std::vector<Json::Value> json_lines(const std::string& text) {
    std::vector<Json::Value> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) lines.push_back(profiles::parse_json(line));
    return lines;
}

class MusicListenTest : public ToolRunFixture {};

TEST_F(MusicListenTest, ATonePlayedReachesTheKeyboardsBandSets) {
    PrivatePulseDaemon daemon;
    if (!daemon.start()) GTEST_SKIP() << "no private sound server here: " << daemon.why();
    setenv("PULSE_SERVER", daemon.server().c_str(), 1);
    ToneSource tone(daemon.server(), kHeadsetSinkName, tone_hz_for_bin(20));

    const RunOutcome listened = run({"--json", "music", "listen", "3"});
    ASSERT_EQ(listened.exit_code, kExitOk) << listened.err;
    EXPECT_FALSE(capturing());
    const std::vector<Json::Value> lines = json_lines(listened.out);
    ASSERT_GE(lines.size(), 2u) << listened.out;
    const Json::Value& summary = lines.back();
    int loud_sets = 0;
    for (size_t i = 0; i + 1 < lines.size(); ++i) {
        EXPECT_EQ(lines[i]["set"], static_cast<int>(i) + 1);
        ASSERT_EQ(lines[i]["bands"].size(), 25u);
        for (const Json::Value& band : lines[i]["bands"]) loud_sets += band.asInt() > 0 ? 1 : 0;
    }
    EXPECT_GT(loud_sets, 0);
    // Every third levels notice is handed over.
    EXPECT_EQ(summary["sets-handed-over"], static_cast<int>(lines.size()) - 1);
    EXPECT_EQ(summary["sets-handed-over"].asInt(), summary["notices-received"].asInt() / 3);
}

TEST_F(MusicListenTest, WithoutASoundServerItFailsAsADeviceErrorAndCaptureStaysStopped) {
    const std::filesystem::path nowhere = data / "no-server" / "native";
    setenv("PULSE_SERVER", ("unix:" + nowhere.string()).c_str(), 1);
    const RunOutcome listened = run({"music", "listen", "600"});
    EXPECT_EQ(listened.exit_code, kExitDeviceError);
    EXPECT_NE(listened.err.find("audio capture did not start"), std::string::npos) << listened.err;
    EXPECT_EQ(listened.out.find("set "), std::string::npos) << listened.out;
    EXPECT_FALSE(capturing());
}

}  // namespace
}  // namespace ilmo::ctl
