// The headset controller on the emulated headset and the emulated audio library: its light
// frame goes out only while connected and only when it changed; its sound actions reach the
// profile on disk.

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>

#include "audio/EmulatedLibrary.h"
#include "device/CommandResult.h"
#include "headset/CTavrinHS6533Device.h"
#include "keyboard/ControllerFixture.h"
#include "profiles/JsonFile.h"
#include "sim/SimBackend.h"
#include "sim/SimBus.h"

namespace ilmo::headset {
namespace {

using device::Result;
using sim::SimProduct;

constexpr int kHeadsetRow = 3;

class HeadsetControllerTest : public ::testing::Test {
protected:
    HeadsetControllerTest()
        : bus(std::make_shared<sim::SimBus>()),
          backend(bus),
          folders{ILMO_SOURCE_DIR, scratch.path},
          headset(backend, kHeadsetRow, folders,
                  std::string(device::device_folder_name(kHeadsetRow)), {},
                  ILMO_EMULATED_CONF_LIB) {
        headset.set_view(&page);
        document = folders.profile_folder(headset.device_folder_name()) / "p.Json";
        std::filesystem::create_directories(document.parent_path());
        static_cast<void>(headset.load_profile(document));
        bus->plug(SimProduct::Headset);
    }

    bool attach() {
        return headset.attach_command_interface(bus->paths(SimProduct::Headset).at(0),
                                                device::DeviceKind::Headset) == Result::kOk;
    }
    size_t reports_sent() const { return bus->packet_log().reports_of(SimProduct::Headset).size(); }

    audio::testing::EmulatedLibrary emulated;
    keyboard::testing::ScratchFolder scratch;
    keyboard::testing::PageRecords page;
    std::shared_ptr<sim::SimBus> bus;
    sim::SimBackend backend;
    device::DeviceFolders folders;
    CTavrinHS6533Device headset;
    std::filesystem::path document;
};

TEST_F(HeadsetControllerTest, FrameGoesOutWhileConnectedAndOnlyWhenItChanged) {
    EXPECT_FALSE(headset.build_and_send_frame());
    EXPECT_EQ(reports_sent(), 0u);
    ASSERT_TRUE(attach());
    for (int i = 0; i < kHeadsetLights; ++i) headset.set_color(i, {0, 0, 0, 0xFF});

    // The sender thread sends what the frame timer hands it.
    EXPECT_TRUE(headset.build_and_send_frame());
    ASSERT_TRUE(keyboard::testing::eventually([&] { return reports_sent() == 12u; }));
    // An unchanged frame is not sent, and the frame timer rests until the lights change.
    EXPECT_FALSE(headset.build_and_send_frame());
    EXPECT_EQ(reports_sent(), 12u);

    headset.set_color(8, {0, 160, 0, 0xFF});
    EXPECT_TRUE(headset.build_and_send_frame());
    ASSERT_TRUE(keyboard::testing::eventually([&] { return reports_sent() == 24u; }));
    const auto log = bus->packet_log().reports_of(SimProduct::Headset);
    ASSERT_EQ(log.size(), 24u);
    // Green of lights 7-12, side 0x22, is the frame's sixth report; light 8 is its second value.
    EXPECT_TRUE(log[17].control_pipe);
    EXPECT_EQ(log[17].bytes[2], 0xAE);
    EXPECT_EQ(log[17].bytes[5], (160 * 255) >> 8);

    headset.detach();
    headset.set_color(8, {0, 0, 0, 0xFF});
    EXPECT_FALSE(headset.build_and_send_frame());
    EXPECT_EQ(reports_sent(), 24u);
}

TEST_F(HeadsetControllerTest, PageStartRunsTheSoundSideAndActionsAreSaved) {
    ASSERT_TRUE(attach());
    ASSERT_EQ(headset.load_after_attach(), Result::kOk);
    EXPECT_TRUE(headset.audio_state().library.available);
    EXPECT_EQ(headset.audio_state().microphone_range.max, "100.00");

    const audio::AudioOutcome level =
        headset.run_audio([](audio::HeadsetAudio& a) { return a.set_microphone_level(55); });
    EXPECT_TRUE(level.stored);
    ASSERT_TRUE(headset
                    .run_audio([](audio::HeadsetAudio& a) {
                        static_cast<void>(a.move_band(9, -4));
                        return a.save_custom_curve("Voices");
                    })
                    .stored);
    EXPECT_EQ(headset.audio_state().record.mic_in_percent, 55);

    const Json::Value saved = profiles::read_json_file(document)["Device"][0];
    EXPECT_EQ(saved["SystemSetStages"]["MicInValue"].asInt(), 55);
    EXPECT_EQ(saved["CustomEQNameInfo"][0]["Name"].asString(), "Voices");
    EXPECT_EQ(saved["CustomEQHzValueInfo"][0][9]["value"].asInt(), -4);

    // Another page reading the same profile shows the curve.
    CTavrinHS6533Device again(backend, kHeadsetRow, folders,
                              std::string(device::device_folder_name(kHeadsetRow)), {},
                              ILMO_EMULATED_CONF_LIB);
    static_cast<void>(again.load_profile(document));
    EXPECT_EQ(again.audio_state().custom_names, std::vector<std::string>{"Voices"});
    EXPECT_EQ(again.audio_state().custom_selected, 0);

    // A profile that cannot be written: the sound changed, and the page is told it was not kept.
    std::filesystem::remove(document);
    std::filesystem::create_directories(document / "in the way");
    const audio::AudioOutcome unsaved =
        headset.run_audio([](audio::HeadsetAudio& a) { return a.set_microphone_level(60); });
    EXPECT_EQ(unsaved.result, 0);
    EXPECT_FALSE(unsaved.stored);
    EXPECT_EQ(unsaved.notices, std::vector<std::string>{"message_text_write_failed"});
}

TEST_F(HeadsetControllerTest, ProfileSwitchDuringASoundActionKeepsEachProfilesOwnCurves) {
    const std::filesystem::path other = document.parent_path() / "q.Json";
    static_cast<void>(headset.load_profile(other));
    ASSERT_TRUE(headset.run_audio([](audio::HeadsetAudio& a) { return a.save_custom_curve("Q"); })
                    .stored);
    static_cast<void>(headset.load_profile(document));
    static_cast<void>(headset.start_audio());

    // The user switches profiles while a save runs as device work.
    std::promise<void> started;
    std::thread work([&] {
        static_cast<void>(headset.run_audio([&](audio::HeadsetAudio& a) {
            started.set_value();
            // Time for the switch to begin meanwhile; it must wait for the action.
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            return a.save_custom_curve("P");
        }));
    });
    started.get_future().wait();
    static_cast<void>(headset.load_profile(other));
    work.join();

    const auto names_in = [](const std::filesystem::path& file) {
        const Json::Value saved = profiles::read_json_file(file);
        std::vector<std::string> names;
        for (const Json::Value& entry : saved["Device"][0]["CustomEQNameInfo"])
            names.push_back(entry["Name"].asString());
        return names;
    };
    EXPECT_EQ(names_in(other), std::vector<std::string>{"Q"});
    EXPECT_EQ(names_in(document), std::vector<std::string>{"P"});
    EXPECT_EQ(headset.audio_state().custom_names, std::vector<std::string>{"Q"});
}

}  // namespace
}  // namespace ilmo::headset
