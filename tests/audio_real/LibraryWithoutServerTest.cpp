// The library where nothing answers: no sound server, no headset sound card (or a card
// that the mixer cannot open), a server that accepts and then never answers, or one that
// goes away. Every call fails with a non-zero result, none crashes or hangs.

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "audio/ConfLibApi.h"
#include "audio/real/ConfLibrary.h"
#include "audio_real/PrivatePulseDaemon.h"

namespace ilmo::audio {
namespace {

namespace p = property;

constexpr int kTimeout_ms = 300;

struct Buffers {
    char value[CONF_LIB_BUFFER_BYTES]{};
    int32_t second[CONF_LIB_BUFFER_BYTES / 4]{-1};
};

class LibraryWithoutServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ =
            std::filesystem::temp_directory_path() / ("ilmo-noserver-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder_);
        point_server_at((folder_ / "nobody-listens").string());
    }
    void TearDown() override {
        if (listener_ >= 0) close(listener_);
        unsetenv("PULSE_SERVER");
        std::filesystem::remove_all(folder_);
    }
    void point_server_at(const std::string& socket_path) {
        setenv("PULSE_SERVER", ("unix:" + socket_path).c_str(), 1);
    }
    // An ALSA proc folder listing the headset as a card that is not really there.
    std::string asound_with_absent_headset_card() {
        const auto asound = folder_ / "asound";
        std::filesystem::create_directories(asound / "card29");
        std::ofstream(asound / "card29" / "usbid") << "0c76:1630\n";
        return asound.string();
    }
    // Lists the devices and expects `playback` playback endpoints.
    void list_expecting(ConfLibrary& library, int32_t playback) {
        EXPECT_EQ(library.create_device_list(), 0);
        int32_t count = -1;
        ASSERT_EQ(library.device_count(CONF_LIB_FLOW_PLAYBACK, &count), 0);
        EXPECT_EQ(count, playback);
    }
    // Lists the devices, expecting the headset's output alone, and gives it.
    ConfLibDevice headset_output(ConfLibrary& library) {
        list_expecting(library, 1);
        ConfLibDevice playback{};
        EXPECT_EQ(library.device_by_id(CONF_LIB_FLOW_PLAYBACK, 0, &playback), 0);
        return playback;
    }
    int control(ConfLibrary& library, ConfLibDevice device, const wchar_t* name, int set) {
        return library.property_control(device, name, buffers_.value, buffers_.second, set);
    }

    std::filesystem::path folder_;
    int listener_ = -1;
    Buffers buffers_;
};

TEST_F(LibraryWithoutServerTest, NothingToUseFailsInitAndListsNoDevice) {
    ConfLibrary library((folder_ / "no-asound").string(), kTimeout_ms);
    EXPECT_NE(library.init(), 0);
    list_expecting(library, 0);
    int32_t count = -1;
    ConfLibDevice device{};
    EXPECT_NE(library.device_by_id(CONF_LIB_FLOW_PLAYBACK, 0, &device), 0);
    EXPECT_NE(library.device_count(7, &count), 0);
    EXPECT_NE(library.device_count(CONF_LIB_FLOW_CAPTURE, nullptr), 0);
    // A descriptor the list never gave out reaches nothing.
    const ConfLibDevice made_up{1, CONF_LIB_TYPE_PLAYBACK, 0, CONF_LIB_STATE_ACTIVE};
    EXPECT_NE(control(library, made_up, p::kEnableEq, 1), 0);
}

TEST_F(LibraryWithoutServerTest, HeadsetCardThatCannotBeOpenedFailsEveryAudioProperty) {
    ConfLibrary library(asound_with_absent_headset_card(), kTimeout_ms);
    ASSERT_EQ(library.init(), 0);  // ALSA is there, so the library is usable at all
    list_expecting(library, 1);
    int32_t count = -1;
    ASSERT_EQ(library.device_count(CONF_LIB_FLOW_CAPTURE, &count), 0);
    EXPECT_EQ(count, 0) << "a capture device without a mixer";
    ConfLibDevice playback{};
    ASSERT_EQ(library.device_by_id(CONF_LIB_FLOW_PLAYBACK, 0, &playback), 0);
    EXPECT_EQ(playback.type, CONF_LIB_TYPE_PLAYBACK);
    EXPECT_EQ(playback.handle, 29);
    EXPECT_NE(library.device_by_id(CONF_LIB_FLOW_PLAYBACK, 1, &playback), 0);

    const ConfLibDevice capture{2, CONF_LIB_TYPE_CAPTURE, 29, CONF_LIB_STATE_ACTIVE};
    for (const wchar_t* name :
         {p::kGetMaxVol, p::kVolumeControl, p::kVolumeScalarControl, p::kMuteControl,
          p::kGetAAMaxVol, p::kAAVolumeScalarControl, p::kAAMuteControl, p::kEnableMagicVoice}) {
        EXPECT_NE(control(library, capture, name, 0), 0);
        EXPECT_NE(control(library, capture, name, 1), 0);
    }
    EXPECT_NE(control(library, playback, p::kEnableEq, 1), 0);
    EXPECT_NE(control(library, playback, L"EQ_Slider3", 1), 0);
    EXPECT_NE(control(library, playback, nullptr, 0), 0);
    ASSERT_EQ(control(library, playback, p::kGetSupportFeature, 0), 0);
    EXPECT_STREQ(buffers_.value, "0,0,0,0,0,0,0");
}

TEST_F(LibraryWithoutServerTest, ServerThatNeverAnswersTimesOut) {
    // Accepts connections (the kernel does, from the backlog) and never says a word.
    const auto path = (folder_ / "silent").string();
    listener_ = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(listener_, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(listen(listener_, 8), 0);
    point_server_at(path);

    ConfLibrary library((folder_ / "no-asound").string(), kTimeout_ms);
    EXPECT_NE(library.init(), 0);
    list_expecting(library, 0);
}

TEST_F(LibraryWithoutServerTest, ServerThatGoesAwayFailsTheNextWrites) {
    auto daemon = std::make_unique<testing::PrivatePulseDaemon>();
    if (!daemon->start()) GTEST_SKIP() << "no private sound server here: " << daemon->why();
    setenv("PULSE_SERVER", daemon->server().c_str(), 1);
    ConfLibrary library((folder_ / "no-asound").string(), kTimeout_ms);
    const ConfLibDevice playback = headset_output(library);
    buffers_.value[0] = 1;
    ASSERT_EQ(control(library, playback, p::kEnableEq, 1), 0);

    // Gone while the change may still be waiting to be put in place.
    daemon.reset();
    buffers_.value[0] = 9;
    EXPECT_NE(control(library, playback, L"EQ_Slider2", 1), 0);
    EXPECT_NE(control(library, playback, p::kEnableEq, 1), 0);
    EXPECT_NE(control(library, playback, p::kEnableEq, 0), 0);
    // The refused band is not kept for a later filter: the first read may report the enable
    // that was still waiting.
    if (control(library, playback, L"EQ_Slider2", 0) != 0) {
        ASSERT_EQ(control(library, playback, L"EQ_Slider2", 0), 0);
    }
    EXPECT_EQ(buffers_.value[0], 0);
}

TEST_F(LibraryWithoutServerTest, FilterTheServerCannotLoadFailsTheBandReadBack) {
    // The server looks for plugins where there are none; the library still finds the plugin.
    setenv("LADSPA_PATH", (folder_ / "no-plugins").c_str(), 1);
    testing::PrivatePulseDaemon daemon;
    const bool started = daemon.start();
    unsetenv("LADSPA_PATH");
    if (!started) GTEST_SKIP() << "no private sound server here: " << daemon.why();
    setenv("PULSE_SERVER", daemon.server().c_str(), 1);
    ConfLibrary library((folder_ / "no-asound").string(), kTimeout_ms);
    const ConfLibDevice playback = headset_output(library);
    // Each write is taken; the read back of either property reports that they were not heard.
    buffers_.value[0] = 1;
    ASSERT_EQ(control(library, playback, p::kEnableEq, 1), 0);
    buffers_.value[0] = 5;
    ASSERT_EQ(control(library, playback, L"EQ_Slider3", 1), 0);
    EXPECT_NE(control(library, playback, L"EQ_Slider3", 0), 0);
    buffers_.value[0] = 1;
    ASSERT_EQ(control(library, playback, p::kEnableEq, 1), 0);
    EXPECT_NE(control(library, playback, p::kEnableEq, 0), 0);
}

}  // namespace
}  // namespace ilmo::audio
