#include <gtest/gtest.h>

#include "mouse/SettingsBlock.h"

namespace ilmo::mouse {
namespace {

using device::LightRecord;

const std::vector<int> kCodes{0x05, 0x07, 0x09, 0x0B};

BlockSource three_stage_source() {
    BlockSource source;
    source.light = {.mode = 2,
                    .brightness = 3,
                    .speed = 1,
                    .direction = 1,
                    .multicolor = 0,
                    .red = 0x11,
                    .green = 0x22,
                    .blue = 0x33};
    source.mode_codes = kCodes;
    source.polling_rate = 3;
    source.dpi_stage = 1;
    source.stages = {{1, 0, 0x0010, 0x0010, 0xFF, 0, 0},
                     {1, 1, 0x0123, 0x0045, 0, 0xFF, 0},
                     {0, 0, 0x0200, 0x0300, 1, 2, 3}};
    source.corrections = {{7, 9, 0, "off"}, {12, 20, 1, "on"}, {99, 99, 1, "later"}};
    source.screen = {1920, 1080};
    return source;
}

TEST(SettingsBlock, EncodesLightingRateStagesScreenAndTheSelectedCorrection) {
    const SettingsBlock expected{
        0x00, 0x09, 0x03, 0x03, 0x01, 0x00, 0x11, 0x22, 0x33, 0x00, 0x00, 0x03,
        0x01, 0x00, 0x01, 0x00, 0x10, 0x00, 0x10, 0x00, 0xFF, 0x00, 0x00,  // stage 0
        0x01, 0x01, 0x23, 0x01, 0x45, 0x00, 0x00, 0xFF, 0x00,              // stage 1
        0x00, 0x00, 0x00, 0x02, 0x00, 0x03, 0x01, 0x02, 0x03,              // stage 2
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // stage 3: not in the profile
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // stage 4
        0x01, 0x80, 0x07, 0x38, 0x04, 0x14, 0x0C, 0x00, 0x00, 0x00, 0x00, 0x00};
    EXPECT_EQ(encode_settings_block(three_stage_source()), expected);
    EXPECT_EQ(settings_block_address(0), 0);
    EXPECT_EQ(settings_block_address(2), 256);
}

TEST(SettingsBlock, OutOfRangeChoicesGoOutAsTheFirst) {
    BlockSource source = three_stage_source();
    source.corrections[1].select = 0;
    source.corrections[2].select = 0;
    source.polling_rate = 5;
    source.dpi_stage = -1;
    source.light.brightness = 9;
    source.screen = {70000, -5};
    source.stages.resize(7, {1, 1, 1, 1, 1, 1, 1});
    SettingsBlock block = encode_settings_block(source);
    EXPECT_EQ(block[64], 0);
    EXPECT_EQ(block[65], 0);
    EXPECT_EQ(block[11], 0);
    EXPECT_EQ(block[12], 0);
    EXPECT_EQ(block[2], 4);
    EXPECT_EQ((std::array{block[60], block[61], block[62], block[63]}),
              (std::array<uint8_t, 4>{0xFF, 0xFF, 0, 0}));
    EXPECT_EQ(block[50], 1);  // stage 4 from the list; stages past five are dropped
    EXPECT_EQ(block[66], 0);
    // A step from a file past the mouse's highest goes out as the highest.
    source.stages[0].dpi_x_step = 65531;
    source.highest_step = 148;
    EXPECT_EQ(encode_settings_block(source)[16], 148);
    EXPECT_EQ(encode_settings_block(source)[17], 0);

    // A user effect (index 12 on) or an index past the list sends entry 0's code.
    std::vector<int> thirteen(13, 0x21);
    thirteen[0] = 0x05;
    source.mode_codes = thirteen;
    source.light.mode = 12;
    EXPECT_EQ(encode_settings_block(source)[1], 0x05);
    source.light.mode = 11;
    EXPECT_EQ(encode_settings_block(source)[1], 0x21);
    source.mode_codes = kCodes;
    source.light.mode = 4;
    EXPECT_EQ(encode_settings_block(source)[1], 0x05);
    source.mode_codes.clear();
    EXPECT_EQ(encode_settings_block(source)[1], 0x00);
}

TEST(SettingsBlock, DecodeTakesTheModeIndexOfTheCodeAndKnownRatesAndStages) {
    SettingsBlock block = encode_settings_block(three_stage_source());
    block[1] = 0x0B;
    block[12] = 4;
    const LightRecord host{.mode = 1, .effect_step = 7, .custom_group = 3};
    BlockRead read = decode_settings_block(block, host, kCodes);
    EXPECT_EQ(read.light, (LightRecord{.mode = 3,
                                       .brightness = 3,
                                       .speed = 1,
                                       .direction = 1,
                                       .multicolor = 0,
                                       .red = 0x11,
                                       .green = 0x22,
                                       .blue = 0x33,
                                       .effect_step = 7,
                                       .custom_group = 3}));
    EXPECT_EQ(read.dpi_stage, 4);
    EXPECT_EQ(read.polling_rate, 3);

    block[1] = 0x0A;  // no entry has it: the code is no index
    block[11] = 5;
    block[12] = 5;
    block[3] = 0xF0;
    read = decode_settings_block(block, host, kCodes);
    EXPECT_EQ(read.light.mode, 1);
    EXPECT_EQ(read.light.speed, 0);
    EXPECT_EQ(read.dpi_stage, -1);
    EXPECT_EQ(read.polling_rate, -1);
}

}  // namespace
}  // namespace ilmo::mouse
