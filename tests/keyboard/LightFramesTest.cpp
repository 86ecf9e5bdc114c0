#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "keyboard/LightFrames.h"

namespace ilmo::keyboard {
namespace {

using device::ColorRecord;
using Bytes = std::vector<uint8_t>;

const std::vector<ColorRecord> kLights{
    {.red = 0x10, .green = 0x20, .blue = 0x30, .brightness = 0x80},
    {.red = 0xFF, .green = 0x80, .blue = 0x01, .brightness = 0xFF},
    {.red = 0x40, .green = 0x50, .blue = 0x60, .brightness = 0x00},
};

TEST(LightFrames, ColourTableIsUnscaledAndTheFrameScaledByBrightness) {
    const std::array<uint8_t, 3> light_led{2, 0, kNoLed};
    EXPECT_EQ(per_key_colour_table(kLights, light_led, 4),
              (Bytes{0xFF, 0x80, 0x01, 0, 0, 0, 0x10, 0x20, 0x30, 0, 0, 0}));
    // 0xFF × 0xFF / 256 = 0xFE; 0x10 × 0x80 / 256 = 0x08.
    EXPECT_EQ(host_frame(kLights, light_led, 4),
              (Bytes{0xFE, 0x7F, 0x00, 0, 0, 0, 0x08, 0x10, 0x18, 0, 0, 0}));
}

TEST(LightFrames, PositionsOutsideTheKeyboardAreLeftOut) {
    // 171 is above the last LED; 3 is past this keyboard's three positions.
    const std::array<uint8_t, 3> light_led{171, 3, 1};
    EXPECT_EQ(per_key_colour_table(kLights, light_led, 3),
              (Bytes{0, 0, 0, 0x40, 0x50, 0x60, 0, 0, 0}));

    // A keyboard claiming more positions still has none above 170.
    const std::vector<ColorRecord> white(3, ColorRecord{});
    const std::array<uint8_t, 3> top{170, 171, kNoLed};
    const Bytes table = per_key_colour_table(white, top, 172);
    EXPECT_EQ(table.size(), 172u * 3);
    EXPECT_EQ(Bytes(table.end() - 6, table.end()), (Bytes{0xFF, 0xFF, 0xFF, 0, 0, 0}));
    EXPECT_EQ(std::count(table.begin(), table.end(), 0xFF), 3);

    EXPECT_TRUE(host_frame(kLights, light_led, -1).empty());
}

TEST(LightFrames, ShortSpansAreNotReadPastTheirEnd) {
    // The map's storage goes on past the span: a read beyond it would place light 1 at 1.
    const std::array<uint8_t, 2> storage{0, 1};
    const std::span<const uint8_t> one_led(storage.data(), 1);
    EXPECT_EQ(per_key_colour_table(kLights, one_led, 2), (Bytes{0x10, 0x20, 0x30, 0, 0, 0}));

    const std::span<const ColorRecord> one_light(kLights.data(), 1);
    const std::array<uint8_t, 2> two_leds{1, 0};
    EXPECT_EQ(host_frame(one_light, two_leds, 2), (Bytes{0, 0, 0, 0x08, 0x10, 0x18}));
}

}  // namespace
}  // namespace ilmo::keyboard
