// The pure conversions between what the host passes and what the mixer, the sound server
// and the device table hold.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>

#include "audio/ConfLibApi.h"
#include "audio/real/EqualiserModule.h"
#include "audio/real/FeatureList.h"
#include "audio/real/HeadsetLocator.h"
#include "audio/real/PropertyBuffer.h"
#include "audio/real/PropertyName.h"
#include "audio/real/UsbIdentity.h"
#include "audio/real/VolumeScale.h"

namespace ilmo::audio {
namespace {

TEST(UsbIdentityTest, ParsesCardAndServerIdsAndKnowsOnlyTheHeadset) {
    EXPECT_EQ(parse_usb_id("0c76:1630\n"), (UsbId{0x0C76, 0x1630}));
    EXPECT_EQ(parse_hex_id(" 0x0C76 "), 0x0C76);
    EXPECT_FALSE(parse_usb_id("0c76-1630"));
    EXPECT_FALSE(parse_usb_id("0c76:"));
    EXPECT_FALSE(parse_hex_id("10c76"));
    EXPECT_FALSE(parse_hex_id("0c7g"));
    EXPECT_TRUE(is_headset({0x0C76, 0x1630}));
    EXPECT_FALSE(is_headset({0x320F, 0x5012}));  // a keyboard of the same table
}

TEST(UsbIdentityTest, FindsHeadsetCardsByIdentityNotPosition) {
    const auto root = std::filesystem::temp_directory_path() / "ilmo-asound-test";
    std::filesystem::remove_all(root);
    const auto card = [&](const char* folder, const char* usbid) {
        std::filesystem::create_directories(root / folder);
        if (usbid) std::ofstream(root / folder / "usbid") << usbid;
    };
    card("card0", nullptr);        // the machine's own sound, no usbid
    card("card1", "046d:0a44\n");  // another USB headset
    card("card3", "0c76:1630\n");
    card("card12", "0c76:1630\n");
    card("cardX", "0c76:1630\n");  // not a card folder
    std::ofstream(root / "cards") << "0 [PCH]\n";
    EXPECT_EQ(find_headset_cards(root.string()), (std::vector<int>{3, 12}));
    EXPECT_TRUE(find_headset_cards((root / "missing").string()).empty());
    std::filesystem::remove_all(root);
}

TEST(HeadsetLocatorTest, MatchesSinkByIdentityOrCardButNeverTheFilter) {
    const std::vector<int> cards{4};
    EXPECT_TRUE(is_headset_sink({0, "a", "0c76", "1630", ""}, cards));
    EXPECT_TRUE(is_headset_sink({0, "b", "", "", "4"}, cards));
    EXPECT_FALSE(is_headset_sink({0, "c", "", "", "40"}, cards));
    EXPECT_FALSE(is_headset_sink({0, "d", "0c76", "1631", "1"}, cards));
    EXPECT_FALSE(is_headset_sink({0, std::string(kEqSinkName), "0c76", "1630", "4"}, cards));
    const std::vector<SinkEntry> sinks{{1, "speakers", "", "", "0"}, {2, "hs", "0c76", "1630", ""}};
    EXPECT_EQ(find_headset_sink(sinks, cards).value_or(SinkEntry{}).name, "hs");
}

TEST(EqualiserModuleTest, ArgumentsCarryCompensatedLimitedGainsAndReadBack) {
    const EqGains gains{7, 11, 2, -3, -1, 4, 9, 12, 60, -99};
    const auto arguments = eq_module_arguments("alsa_output.usb-headset", gains);
    ASSERT_TRUE(arguments);
    // Every band 3.5 dB lower, so a flat curve plays as loud as no filter; then the plugin's
    // limits.
    EXPECT_NE(arguments->find("sink_name=ilmo_headset_eq sink_master=alsa_output.usb-headset "
                              "plugin=caps label=Eq10X2 "
                              "control=3.5,7.5,-1.5,-6.5,-4.5,0.5,5.5,8.5,20.5,-48"),
              std::string::npos)
        << *arguments;
    EXPECT_TRUE(is_eq_module(kEqModuleName, *arguments));
    EXPECT_EQ(eq_gains_from_arguments(*arguments), (EqGains{7, 11, 2, -3, -1, 4, 9, 12, 24, -45}));

    EXPECT_FALSE(eq_module_arguments("bad name", gains));
    EXPECT_FALSE(eq_module_arguments("x' control=0", gains));
    EXPECT_FALSE(eq_module_arguments("", gains));
    EXPECT_FALSE(is_eq_module(kEqModuleName, "sink_name=other control=0,0,0,0,0,0,0,0,0,0"));
    EXPECT_FALSE(is_eq_module("module-null-sink", "sink_name=ilmo_headset_eq"));
    EXPECT_FALSE(is_eq_module(kEqModuleName, "xsink_name=ilmo_headset_eq"));
    EXPECT_FALSE(eq_gains_from_arguments("control=1,2,3"));
    EXPECT_FALSE(eq_gains_from_arguments("control=1,2,3,4,5,6,7,8,9,10,11"));
    EXPECT_FALSE(eq_gains_from_arguments("control=1,2,3,4,5,6,7,8,9,1x"));
}

TEST(PropertyNameTest, SlidersOneToTenAndExactNamesOnly) {
    EXPECT_EQ(parse_property_name(L"EQ_Slider1").band, 0);
    EXPECT_EQ(parse_property_name(L"EQ_Slider10").band, 9);
    EXPECT_EQ(parse_property_name(L"EQ_Slider10").property, Property::EqBand);
    for (const wchar_t* bad : {L"EQ_Slider0", L"EQ_Slider11", L"EQ_Slider01", L"EQ_Slider",
                               L"EQ_Slider-1", L"mutecontrol"}) {
        EXPECT_EQ(parse_property_name(bad).property, Property::Unknown);
    }
    EXPECT_EQ(parse_property_name(nullptr).property, Property::Unknown);
    EXPECT_EQ(parse_property_name(L"AAVolumeScalarControl").property,
              Property::MonitorVolumeScalar);
    EXPECT_EQ(parse_property_name(L"GetSupportFeature").property, Property::SupportFeature);
}

TEST(PropertyValuesTest, ScalarLevelsRangesAndFeatureText) {
    const VolumeRange db{0, 30, -1200, 1800};
    EXPECT_EQ(raw_from_scalar(0.55f, db), 17);  // 16.5 rounds up
    EXPECT_EQ(raw_from_scalar(1.7f, db), 30);
    EXPECT_EQ(raw_from_scalar(-0.2f, db), 0);
    EXPECT_FLOAT_EQ(scalar_from_raw(15, db), 0.5f);
    EXPECT_FLOAT_EQ(scalar_from_raw(15, {5, 5, {}, {}}), 0.0f);
    EXPECT_EQ(format_level(level_min(db)), "-12.00");
    EXPECT_EQ(format_level(level_max(db)), "18.00");
    EXPECT_EQ(format_level(level_step(db)), "1.00");
    const VolumeRange raw_only{-5, 127, {}, {}};
    EXPECT_EQ(format_level(level_min(raw_only)), "-5.00");
    EXPECT_EQ(format_level(level_step(raw_only)), "1.00");
    EXPECT_EQ(format_level(-0.001), "0.00");

    EXPECT_EQ(feature_list_text({true, false}), "1,0,0,0,0,0,0");
    EXPECT_EQ(feature_list_text({false, true}), "0,0,0,0,0,1,0");

    char buffer[CONF_LIB_BUFFER_BYTES];
    std::fill(std::begin(buffer), std::end(buffer), 'x');
    EXPECT_FALSE(write_text(buffer, std::string(CONF_LIB_BUFFER_BYTES, 'a')));
    EXPECT_EQ(buffer[0], 'x');
    EXPECT_TRUE(write_text(buffer, std::string(CONF_LIB_BUFFER_BYTES - 1, 'a')));
    EXPECT_EQ(buffer[CONF_LIB_BUFFER_BYTES - 1], '\0');
    const float nan = std::numeric_limits<float>::quiet_NaN();
    std::memcpy(buffer, &nan, sizeof nan);
    EXPECT_FALSE(read_float(buffer));
    EXPECT_EQ(read_channel(nullptr), -1);
}

}  // namespace
}  // namespace ilmo::audio
