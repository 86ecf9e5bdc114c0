// The library loader's guards and the start's pure choices.

#include <gtest/gtest.h>

#include <array>

#include "EmulatedLibrary.h"
#include "audio/StartChoices.h"

namespace ilmo::audio::testing {
namespace {

namespace prop = property;

const Device kCaptureDevice = ConfLibDevice{2, CONF_LIB_TYPE_CAPTURE, 0x200, 1};

TEST(ConfLib, NothingIsCalledWithoutTheFileAnEntryPointOrADevice) {
    EmulatedLibrary emulated;
    std::string error;
    const auto missing = ConfLib::load("/nonexistent/SDK/libosConfLib.so", &error);
    EXPECT_FALSE(missing->loaded());
    EXPECT_FALSE(error.empty());
    int value = 7;
    EXPECT_EQ(missing->init(), kNotCalled);
    EXPECT_EQ(missing->read_int(kCaptureDevice, prop::kMuteControl, value), kNotCalled);

    ConfLibEntries without_property_control = emulated.library->entries();
    without_property_control.property_control = nullptr;
    ConfLib partial(without_property_control);
    EXPECT_EQ(partial.write_int(kCaptureDevice, prop::kMuteControl, 1), kNotCalled);
    EXPECT_EQ(partial.create_device_list(), 0);

    EXPECT_EQ(emulated.library->write_int(std::nullopt, prop::kMuteControl, 1), kNotCalled);
    EXPECT_EQ(emulated.library->read_int(std::nullopt, prop::kMuteControl, value), kNotCalled);
    EXPECT_EQ(value, 7);
    EXPECT_TRUE(emulated.writes().empty());

    // The same call with everything there does reach the library.
    EXPECT_EQ(emulated.library->write_int(kCaptureDevice, prop::kMuteControl, 1), 0);
    EXPECT_EQ(emulated.written_names(), std::vector<std::string>{"MuteControl"});
}

TEST(ConfLib, TextIsBoundedByTheBufferAndValuesChangeOnlyOnSuccess) {
    EmulatedLibrary emulated;
    emulated.set_raw(CONF_LIB_TYPE_CAPTURE, "GetMaxVol", std::string(CONF_LIB_BUFFER_BYTES, '7'));
    std::string text;
    ASSERT_EQ(emulated.library->read_text(kCaptureDevice, prop::kGetMaxVol, text), 0);
    EXPECT_EQ(text, std::string(CONF_LIB_BUFFER_BYTES, '7'));
    emulated.set_raw(CONF_LIB_TYPE_CAPTURE, "GetMaxVol", std::string("12.5\0garbage", 12));
    ASSERT_EQ(emulated.library->read_text(kCaptureDevice, prop::kGetMaxVol, text), 0);
    EXPECT_EQ(text, "12.5");

    // Whatever lies past the buffer is not read, zero or not.
    std::array<uint8_t, 2 * CONF_LIB_BUFFER_BYTES> wider;
    wider.fill('7');
    EXPECT_EQ(bounded_text(std::span(wider).first(CONF_LIB_BUFFER_BYTES)).size(),
              size_t{CONF_LIB_BUFFER_BYTES});

    float scalar = 0.25F;
    EXPECT_NE(emulated.library->read_float(kCaptureDevice, L"NeverGiven", scalar), 0);
    EXPECT_EQ(scalar, 0.25F);
}

TEST(StartChoices, EndpointsFeaturesAndRanges) {
    const std::vector<ConfLibDevice> outputs{
        {1, 4, 0, 1}, {2, 1, 0, 0}, {3, 7, 0, 1}, {4, 12, 0, 1}, {5, 12, 0, 1}};
    // Type 1 is there but inactive: 12 comes before 7 and 4, and the first of its kind wins.
    EXPECT_EQ(choose_playback(outputs)->id, 4);
    EXPECT_FALSE(choose_playback(std::vector<ConfLibDevice>{{1, 2, 0, 1}}));
    EXPECT_EQ(choose_capture(std::vector<ConfLibDevice>{{1, 1, 0, 1}, {2, 2, 0, 0}})->id, 2);

    const FeatureSupport all = parse_feature_list("1,0,0,0,1,0,1");
    EXPECT_TRUE(all.complete && all.equaliser && all.voice_changer && all.surround);
    const FeatureSupport some = parse_feature_list("0,1,1,1,0,1,1,9");
    EXPECT_TRUE(some.complete);
    EXPECT_FALSE(some.equaliser || some.voice_changer);
    EXPECT_FALSE(parse_feature_list("1,1,1,1,1,1").complete);
    EXPECT_FALSE(parse_feature_list("").complete);

    EXPECT_EQ(range_text("100"), "100.00");
    EXPECT_EQ(range_text(" 0.126"), "0.13");
    EXPECT_EQ(range_text("volume"), "");
    EXPECT_EQ(range_text("1e308"), "");  // too long to show: nothing, not a filled buffer
}

}  // namespace
}  // namespace ilmo::audio::testing
