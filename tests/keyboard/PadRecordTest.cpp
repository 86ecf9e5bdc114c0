#include <gtest/gtest.h>

#include "keyboard/PadRecord.h"
#include "keyboard/PatternedBytes.h"

namespace ilmo::keyboard {
namespace {

using device::LightRecord;

const PadModeList kModes{{{"wave", true, 0x10},
                          {"wheel", true, 0x11},
                          {"breath", false, 0x12},
                          {"wheel again", true, 0x11}}};

TEST(PadRecord, WritesModeCodeLevelsAndColourAndKeepsDirectionAndTheRest) {
    const LightRecord light{.mode = 2,
                            .brightness = 3,
                            .speed = 0,
                            .direction = 1,
                            .multicolor = 1,
                            .red = 0x11,
                            .green = 0x22,
                            .blue = 0x33};
    const PadRecord expected{0x00, 0x12, 0x03, 0x04, 0x84, 0x01, 0x11, 0x22, 0x33, 0x89, 0x8A,
                             0x8B, 0x8C, 0x8D, 0x8E, 0x8F, 0x90, 0x91, 0x92, 0x93, 0x94};
    EXPECT_EQ(
        encode_pad_record(patterned<PadRecord>(), 0, code_of_index(kModes, light.mode), light),
        expected);

    EXPECT_EQ(pad_write_address(1), 64);
    EXPECT_EQ(pad_read_address(1), 33);
    EXPECT_EQ(pad_write_address(0), pad_read_address(0));

    EXPECT_EQ(pad_record_of(patterned<PadRead>()), patterned<PadRecord>());
}

TEST(PadRecord, ModeListMapsCodesAndIndexes) {
    EXPECT_EQ(index_of_code(kModes, 0x11), 1);  // the first of two entries
    EXPECT_EQ(index_of_code(kModes, 0x12), 2);
    EXPECT_EQ(index_of_code(kModes, 0x55), std::nullopt);
    EXPECT_EQ(code_of_index(kModes, 3), 0x11);
    EXPECT_EQ(code_of_index(kModes, 4), kNoModeCode);
    EXPECT_EQ(code_of_index(kModes, -1), kNoModeCode);
    EXPECT_EQ(code_of_index(PadModeList{}, 0), kNoModeCode);

    // A user-defined effect (an index past the list) has no code: the pad keeps its mode.
    EXPECT_EQ(encode_pad_record(patterned<PadRecord>(), 0, code_of_index(kModes, 7), {})[1], 0x81);
}

TEST(PadRecord, ReadTakesTheIndexOfTheCodeAndClampedLevels) {
    const PadRecord record{0x00, 0x11, 0x02, 0x01, 0x01, 0x00, 0xAA, 0xBB, 0xCC, 0, 0,
                           0,    0,    0,    0,    0,    0,    0,    0,    0,    0};
    const LightRecord host{.mode = 3, .multicolor = 1, .effect_step = 5, .custom_group = 2};
    EXPECT_EQ(decode_pad_record(record, kModes, host), (LightRecord{.mode = 1,
                                                                    .brightness = 2,
                                                                    .speed = 3,
                                                                    .direction = 1,
                                                                    .multicolor = 0,
                                                                    .red = 0xAA,
                                                                    .green = 0xBB,
                                                                    .blue = 0xCC,
                                                                    .effect_step = 5,
                                                                    .custom_group = 2}));

    // A code the list does not hold is no index: the host's selection stays.
    PadRecord odd = record;
    odd[1] = 0x55;
    odd[2] = 0x20;
    odd[3] = 0x09;
    const LightRecord read = decode_pad_record(odd, kModes, host);
    EXPECT_EQ(read.mode, 3);
    EXPECT_EQ(read.brightness, 4);
    EXPECT_EQ(read.speed, 0);
}

}  // namespace
}  // namespace ilmo::keyboard
