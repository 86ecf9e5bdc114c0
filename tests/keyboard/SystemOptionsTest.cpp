#include <gtest/gtest.h>

#include "keyboard/FirmwareCheck.h"
#include "keyboard/SystemOptionsWords.h"

namespace ilmo::keyboard {
namespace {

TEST(SystemOptions, WordsHoldTheOptionsAsLowAndHighHalves) {
    const SystemOptions options{.repeat = 0x0102,
                                .repeat_delay = 3,
                                .six_key = 1,
                                .polling_rate = 2,
                                .w_key = 0,
                                .win_lock = 0xFFFF};
    const profiles::SystemWords words{0x00030102, 0x00020001, 0xFFFF0000};
    EXPECT_EQ(to_words(options), words);
    EXPECT_EQ(from_words(words), options);
}

TEST(SystemOptions, StepsOutsideTheOptionsShowAsStepZero) {
    EXPECT_EQ(shown_step(3), 3);
    EXPECT_EQ(shown_step(4), 0);
    EXPECT_EQ(shown_step(-1), 0);
    EXPECT_EQ(repeat_delay_ms(0), 250);
    EXPECT_EQ(repeat_delay_ms(2), 750);
    EXPECT_EQ(repeat_delay_ms(9), 250);
}

TEST(FirmwareCheck, OffersAnUpdateOnlyToReleasesBelow110) {
    EXPECT_FALSE(firmware_update_offered(0x0000));
    EXPECT_TRUE(firmware_update_offered(0x0001));
    EXPECT_TRUE(firmware_update_offered(0x010F));
    EXPECT_FALSE(firmware_update_offered(0x0110));
}

}  // namespace
}  // namespace ilmo::keyboard
