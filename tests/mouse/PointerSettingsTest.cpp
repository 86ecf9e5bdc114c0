#include <gtest/gtest.h>

#include "mouse/PointerSettings.h"

namespace ilmo::mouse {
namespace {

TEST(PointerSettings, HalvesOfTheThreeWordsAndThePollingRate) {
    const profiles::SystemWords words{0x000A01F4, 0x00010001, 0x00030003};
    EXPECT_EQ(pointer_settings_of(words), (PointerSettings{500, 10, true, true, 3}));
    EXPECT_EQ(polling_rate_of(words), 3);
    EXPECT_EQ(polling_rate_of({0, 0, 0x00050003}), 0);

    const profiles::SystemWords changed = with_pointer_settings(words, {70000, 12, false, true, 7});
    EXPECT_EQ(changed, (profiles::SystemWords{0x000CFFFF, 0x00010000, 0x00030007}));
    EXPECT_EQ(with_polling_rate(words, 4)[2], 0x00040003u);
    EXPECT_EQ(with_polling_rate(words, 9)[2], 0x00000003u);
}

}  // namespace
}  // namespace ilmo::mouse
