#include <gtest/gtest.h>

#include <vector>

#include "keyboard/PatternedBytes.h"
#include "keyboard/SettingsRecord.h"

namespace ilmo::keyboard {
namespace {

using device::LightRecord;

const std::vector<int> kKnownModes{1, 5, 6, 20, 21, 28, 30};

TEST(SettingsRecord, WritesTheHostFieldsOverTheKeptRecord) {
    const LightRecord light{.mode = 5,
                            .brightness = 3,
                            .speed = 1,
                            .direction = 1,
                            .multicolor = 1,
                            .red = 0x12,
                            .green = 0x34,
                            .blue = 0x56,
                            .effect_step = 0x77,
                            .secondary_mode = 7,
                            .custom_group = 2};
    const SystemOptions options{
        .repeat = 9, .repeat_delay = 3, .six_key = 0, .polling_rate = 2, .w_key = 1, .win_lock = 1};
    const SettingsRecord expected{0x00, 0x05, 0x03, 0x03, 0x01, 0x01, 0x12, 0x34, 0x56,
                                  0x89, 0x8A, 0x8B, 0x8C, 0x8D, 0x8E, 0x8F, 0x00, 0x91,
                                  0x07, 0x01, 0x00, 0x01, 0x02, 0x97, 0x98, 0x02, 0x9A,
                                  0x9B, 0x9C, 0x9D, 0x9E, 0x9F, 0xA0, 0xA1};
    EXPECT_EQ(encode_settings_record(patterned<SettingsRecord>(), 0, light, options), expected);

    EXPECT_EQ(kActiveProfileAddress, 0);
    EXPECT_EQ(settings_address(1), 33);
    EXPECT_EQ(settings_address(3), 99);
}

TEST(SettingsRecord, HostDrivenModesAndInvertedSpeedBothWays) {
    const SettingsRecord kept{};
    for (const uint8_t mode : {21, 30}) {
        EXPECT_EQ(encode_settings_record(kept, 0, {.mode = mode}, {})[1], 0xFE);
    }
    EXPECT_EQ(encode_settings_record(kept, 0, {.mode = 20}, {})[1], 20);
    EXPECT_EQ(encode_settings_record(kept, 0, {.speed = 4}, {})[3], 0);
    EXPECT_EQ(encode_settings_record(kept, 0, {.speed = 0}, {})[3], 4);

    const LightRecord host{.mode = 21, .speed = 2};
    SettingsRecord record{};
    record[1] = 0xFE;
    record[3] = 0;
    SettingsRead read = decode_settings_record(record, host, {}, kKnownModes);
    EXPECT_EQ(read.light.mode, 21);
    EXPECT_EQ(read.light.speed, 4);
    record[1] = 28;
    record[3] = 4;
    read = decode_settings_record(record, host, {}, kKnownModes);
    EXPECT_EQ(read.light.mode, 28);
    EXPECT_EQ(read.light.speed, 0);
}

TEST(SettingsRecord, ReadTakesLightingAndOptionsAndKeepsWhatNoByteCarries) {
    const SettingsRecord record{0x01, 0x06, 0x02, 0x01, 0x01, 0x01, 0xAA, 0xBB, 0xCC, 0,    0,    0,
                                0,    0,    0,    0,    0,    0,    0x09, 0x01, 0x01, 0x01, 0x03, 0,
                                0,    0x04, 0,    0,    0,    0,    0,    0,    0,    0};
    const LightRecord host{.mode = 1, .effect_step = 9, .secondary_mode = 5, .old_mode = 3};
    const SystemOptions host_options{.repeat = 12, .repeat_delay = 2};

    const SettingsRead read = decode_settings_record(record, host, host_options, kKnownModes);
    EXPECT_EQ(read.light, (LightRecord{.mode = 6,
                                       .brightness = 2,
                                       .speed = 3,
                                       .direction = 1,
                                       .multicolor = 1,
                                       .red = 0xAA,
                                       .green = 0xBB,
                                       .blue = 0xCC,
                                       .effect_step = 9,
                                       .secondary_mode = 5,
                                       .custom_group = 4,
                                       .old_mode = 3}));
    EXPECT_EQ(read.options, (SystemOptions{.repeat = 12,
                                           .repeat_delay = 2,
                                           .six_key = 1,
                                           .polling_rate = 3,
                                           .w_key = 1,
                                           .win_lock = 1}));
}

// Stray bytes, from the keyboard or from a hand-edited profile, must not become levels past
// the level tables, a wrapped inverted speed or a mode the host has no effect for.
TEST(SettingsRecord, OutOfRangeValuesAreClampedOrIgnored) {
    const LightRecord wild{.mode = 5, .brightness = 200, .speed = 9};
    const SettingsRecord written =
        encode_settings_record({}, 0, wild, {.six_key = 2, .polling_rate = 5});
    EXPECT_EQ(written[2], 4);
    EXPECT_EQ(written[3], 0);
    EXPECT_EQ(written[20], 1);
    EXPECT_EQ(written[22], 0);  // shown, and so sent, as step 0

    SettingsRecord record{};
    record[1] = 0x63;  // no mode of this keyboard
    record[2] = 0x09;
    record[3] = 0xFF;
    record[22] = 0x07;
    const SettingsRead read = decode_settings_record(record, {.mode = 20}, {}, kKnownModes);
    EXPECT_EQ(read.light.mode, 20);
    EXPECT_EQ(read.light.brightness, 4);
    EXPECT_EQ(read.light.speed, 0);
    EXPECT_EQ(read.options.polling_rate, 3);

    EXPECT_EQ(decode_settings_record(record, {.mode = 20}, {}, {}).light.mode, 20);
}

}  // namespace
}  // namespace ilmo::keyboard
