// From the capture's notices to band values and the beat: notice checks, the band arithmetic
// on hand-worked numbers, the every-third handover per device kind, and the beat ripple.

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "lighting/AudioBands.h"
#include "lighting/BeatRipple.h"

namespace ilmo::lighting {
namespace {

using device::DeviceKind;

std::vector<uint8_t> little_endian(std::span<const int32_t> values) {
    std::vector<uint8_t> bytes;
    for (int32_t value : values)
        for (int shift = 0; shift < 32; shift += 8)
            bytes.push_back(static_cast<uint8_t>(static_cast<uint32_t>(value) >> shift));
    return bytes;
}

FrequencyLevels steady(int level) {
    FrequencyLevels levels;
    levels.fill(level);
    return levels;
}

constexpr DeviceKind kKeyboardOnly[] = {DeviceKind::Keyboard};

TEST(AudioNotices, OnlyNoticesOfTheirNumberAndExactSizeAreTakenAndLevelsAreClamped) {
    std::vector<int32_t> values(kFrequencyLevels, 100);
    values[0] = INT_MAX;  // from outside anything may come
    values[1] = -5;
    values[2] = 8192;
    values[3] = 0x01020304;
    const std::vector<uint8_t> bytes = little_endian(values);
    const auto levels = parse_levels_notice(1, 2000, bytes);
    ASSERT_TRUE(levels);
    EXPECT_EQ((*levels)[0], 8192);
    EXPECT_EQ((*levels)[1], 0);
    EXPECT_EQ((*levels)[2], 8192);
    EXPECT_EQ((*levels)[3], 8192);
    EXPECT_EQ((*levels)[499], 100);

    EXPECT_FALSE(parse_levels_notice(2, 2000, bytes));
    EXPECT_FALSE(parse_levels_notice(1, 1996, std::span(bytes).first(1996)));
    EXPECT_FALSE(parse_levels_notice(1, 2000, std::span(bytes).first(1996)));  // size lies
    EXPECT_FALSE(parse_levels_notice(1, 1996, bytes));

    const int32_t six[] = {1, -2, 3, INT_MAX, INT_MIN, 0x7F00};
    const std::vector<uint8_t> six_bytes = little_endian(six);
    const auto kept = parse_keyboard_values_notice(2, 24, six_bytes);
    ASSERT_TRUE(kept);
    EXPECT_EQ(*kept, (KeyboardNoticeValues{1, -2, 3, INT_MAX, INT_MIN, 0x7F00}));
    EXPECT_FALSE(parse_keyboard_values_notice(2, 6, std::span(six_bytes).first(6)));
    EXPECT_FALSE(parse_keyboard_values_notice(1, 24, six_bytes));
}

TEST(BandStep, MeansAndSpreadsFollowTheChangesAndSkipEveryFifthLevel) {
    BandStep bands;
    FrequencyLevels levels{};
    levels[0] = 100, levels[1] = 200, levels[2] = 300, levels[3] = 400;
    levels[4] = 8000;  // between bands 0 and 1: no band reads it
    bands.step(levels, kKeyboardOnly);
    // (0 + 1000) / 4; spread ⌊√((150² + 50² + 50² + 150²) / 3)⌋ = ⌊√16666⌋.
    EXPECT_EQ(bands.means()[0], 250);
    EXPECT_EQ(bands.spreads()[0], 129);
    EXPECT_EQ(bands.means()[1], 0);
    // The same levels again: no change, the mean decays and the spread carries over.
    bands.step(levels, kKeyboardOnly);
    EXPECT_EQ(bands.means()[0], 62);
    EXPECT_EQ(bands.spreads()[0], 71);  // ⌊√((129 + 4 × 62²) / 3)⌋
}

TEST(BandStep, OnlyEveryThirdNoticeReachesEachKindAndAnAbsentKindKeepsItsBands) {
    BandStep bands;
    std::vector<int> keyboard_notices;
    std::vector<int> mouse_notices;
    const DeviceKind both[] = {DeviceKind::Keyboard, DeviceKind::MouseReceiver};
    for (int notice = 1; notice <= 7; ++notice) {
        const BandOutput out = bands.step(steady(notice * 100), both);
        if (out.keyboard) keyboard_notices.push_back(notice);
        if (out.mouse) mouse_notices.push_back(notice);
        if (notice == 3) {
            ASSERT_TRUE(out.keyboard && out.mouse);
            // The keyboard gets its means; the mouse bands use the first ten bands' changes.
            EXPECT_EQ((*out.keyboard)[24], bands.means()[24]);
            EXPECT_EQ((*out.mouse)[9], bands.means()[34]);
            EXPECT_EQ(bands.means()[25], bands.means()[0]);
            EXPECT_GT(bands.means()[34], 0);
        }
    }
    EXPECT_EQ(keyboard_notices, (std::vector<int>{3, 6}));
    EXPECT_EQ(mouse_notices, (std::vector<int>{3, 6}));

    // A mouse alone: the keyboard's bands stay as they were and nothing goes to a keyboard.
    const int keyboard_mean = bands.means()[0];
    const DeviceKind mouse[] = {DeviceKind::Mouse};
    for (int notice = 0; notice < 3; ++notice) {
        EXPECT_FALSE(bands.step(steady(5000), mouse).keyboard);
    }
    EXPECT_EQ(bands.means()[0], keyboard_mean);
    EXPECT_NE(bands.means()[25], keyboard_mean);
}

TEST(BandStep, CableAndReceiverOfOneProductStepItsBandsOncePerNotice) {
    BandStep single;
    BandStep twin;
    const DeviceKind one_each[] = {DeviceKind::Keyboard, DeviceKind::Mouse};
    const DeviceKind both_links[] = {DeviceKind::Keyboard, DeviceKind::KeyboardReceiver,
                                     DeviceKind::MouseReceiver, DeviceKind::Mouse};
    for (int notice = 1; notice <= 4; ++notice) {
        const BandOutput a = single.step(steady(notice * 700 % 3000), one_each);
        const BandOutput b = twin.step(steady(notice * 700 % 3000), both_links);
        EXPECT_EQ(a.keyboard, b.keyboard);
        EXPECT_EQ(a.mouse, b.mouse);
    }
    EXPECT_TRUE(std::ranges::equal(single.means(), twin.means()));
    EXPECT_TRUE(std::ranges::equal(single.spreads(), twin.spreads()));
}

TEST(BandStep, LevelsPastTheTopAreClampedBeforeTheArithmetic) {
    BandStep bands;
    FrequencyLevels levels;
    levels.fill(INT_MAX);
    levels[5] = INT_MIN;
    bands.step(levels, kKeyboardOnly);
    EXPECT_EQ(bands.means()[0], 8192);  // (0 + 4 × 8192) / 4
    EXPECT_EQ(bands.spreads()[0], 0);
    EXPECT_EQ(bands.means()[1], 6144);  // one change of 0, three of 8192
}

TEST(BandHeights, TheScaleAndTheCapAtItsTop) {
    EXPECT_EQ(band_height(0), 600);
    EXPECT_EQ(band_height(2000), 0);
    EXPECT_EQ(band_height(4200), -660);
    EXPECT_EQ(band_height_capped(4200), 500);
    EXPECT_EQ(band_height_capped(2003), 0);  // 2003 × 600 / 2000 is 600, not above it
    EXPECT_EQ(band_height_capped(2004), 500);
    EXPECT_EQ(band_height(INT_MAX), 600 - 644245094);
}

TEST(BeatRipple, ASteadyToneNeverFiresAndTopBandsFireOnTheThirdSet) {
    // A steady tone: after its first notice nothing changes, the means decay to 0, every
    // height is 600 and each set adds no beat at all.
    BandStep bands;
    BeatRipple ripple;
    int fired = 0;
    std::optional<KeyboardBands> last;
    for (int notice = 0; notice < 30; ++notice) {
        if (auto out = bands.step(steady(8192), kKeyboardOnly).keyboard) {
            fired += ripple.add(*out) ? 1 : 0;
            last = out;
        }
    }
    ASSERT_TRUE(last);
    EXPECT_EQ(*last, KeyboardBands{});
    EXPECT_EQ(BeatRipple::beat_of(*last), 0);
    EXPECT_EQ(fired, 0);

    KeyboardBands top;
    top.fill(2000);  // height 0: the loudest beat, 25
    EXPECT_EQ(BeatRipple::beat_of(top), 25);
    BeatRipple loud;
    EXPECT_FALSE(loud.add(top));
    EXPECT_FALSE(loud.add(top));
    EXPECT_TRUE(loud.add(top));  // 75 reaches 71
    EXPECT_EQ(loud.accumulated(), 0);
    EXPECT_FALSE(loud.add(top));

    KeyboardBands past_top;
    past_top.fill(4200);  // capped at height 500
    EXPECT_EQ(BeatRipple::beat_of(past_top), 5);

    KeyboardBands ten;
    ten.fill(800);  // height 360: beat 10
    KeyboardBands one;
    one.fill(80);  // height 576: beat 1
    BeatRipple edge;
    for (int i = 0; i < 7; ++i) EXPECT_FALSE(edge.add(ten)) << i;  // 70 is not yet a ripple
    EXPECT_TRUE(edge.add(one));
}

}  // namespace
}  // namespace ilmo::lighting
