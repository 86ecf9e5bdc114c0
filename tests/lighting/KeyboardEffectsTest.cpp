#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "lighting/EffectConstants.h"
#include "lighting/KeyboardEffects.h"
#include "lighting/KeyboardPreview.h"
#include "lighting/SharedEffects.h"

namespace ilmo::lighting {
namespace {

using device::ColorRecord;
using device::LightRecord;
using Frame = std::vector<ColorRecord>;

constexpr int kPageLights = 170;

bool lit(const ColorRecord& c) {
    return c.brightness > 0 && (c.red || c.green || c.blue);
}

TEST(KeyboardTableEffects, ColumnBreathingColoursEachColumn) {
    Frame lights(kPageLights);
    LightRecord record{.brightness = 4, .multicolor = 1, .effect_step = 29};
    KeyCanvas canvas(lights, brightness_byte(record.brightness));
    column_rainbow_breathing(canvas, record);
    const int brightness = breathing_factor(30) * 255 / 256;
    EXPECT_EQ(record.effect_step, 30);
    EXPECT_EQ(lights[120], with_brightness(spectrum_color(0), brightness));
    EXPECT_EQ(lights[41], with_brightness(spectrum_color(7 * 22), brightness));
    EXPECT_EQ(lights[34], with_brightness(spectrum_color(7 * 15), brightness));  // its later column
    EXPECT_EQ(lights[55], lights[54]);  // not in the table: as its nearest neighbour
    EXPECT_EQ(lights[kFirstStripLight].brightness, brightness);  // the strip breathes along
    EXPECT_EQ(lights[kPlacedLights], (ColorRecord{0, 0, 0, 0}));
}

TEST(KeyboardTableEffects, SteadyRowsTranslateKeysToLights) {
    Frame lights(kPageLights);
    KeyCanvas canvas(lights, brightness_byte(3));
    steady_by_rows(canvas, {});
    EXPECT_EQ(lights[51], with_brightness(spectrum_color(138), 195));
    EXPECT_EQ(lights[30], with_brightness(spectrum_color(126), 195));
    EXPECT_EQ(lights[41], with_brightness(spectrum_color(6), 195));

    std::vector<int> key_to_light(kBoardLights);
    for (int key = 0; key < kBoardLights; ++key) key_to_light[static_cast<size_t>(key)] = key;
    std::swap(key_to_light[51], key_to_light[0]);  // key 51 drives light 0 and back
    steady_by_rows(canvas, key_to_light);
    EXPECT_EQ(lights[0], with_brightness(spectrum_color(138), 195));
    EXPECT_EQ(lights[51], with_brightness(spectrum_color(138 - 12 * 10), 195));
}

// Drives a keyboard preview one step per frame: frames are further apart than any mode's
// pace at speed 4, so two modes differ by what they draw, not by how often.
std::vector<Frame> run_mode(int mode, int frames, bool press = false, bool colourful = true) {
    KeyboardPreview preview;
    const std::vector<device::Rgb> custom(kPageLights, {10, 20, 30});
    preview.set_custom_colors(custom);
    preview.set_music_lighting({.background = {0, 0, 60}, .foreground = {255, 90, 0}});
    LightRecord lighting{.mode = static_cast<uint8_t>(mode),
                         .brightness = 4,
                         .speed = 4,
                         .multicolor = static_cast<uint8_t>(colourful),
                         .red = 255,
                         .green = 90,
                         .secondary_mode = 1};
    Frame lights(kPageLights);
    std::vector<Frame> shown;
    for (int f = 0; f < frames; ++f) {
        if (press && f == 1) preview.key_event(51, true);
        preview.set_band_levels(std::vector<int>(kBandCount, 300 * (f % 8)));
        preview.tick(lighting, lights, f * 16 * kTickMs);
        shown.push_back(lights);
    }
    return shown;
}

TEST(KeyboardPreview, EveryModeShowsItsOwnAnimation) {
    const std::vector<int> modes{1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15,
                                 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30};
    // The shared steps and the host colour light every light; the keyboard's own effects
    // draw on the board keys and the strip under them, which every mode that lights more
    // than the pressed key reaches. The music lights only the keys of its matrix.
    const std::vector<int> whole_page{4, 23, 26, 27, 30};
    const std::vector<int> strip_dark{8, 21, 28};
    std::vector<std::pair<int, std::vector<Frame>>> seen;
    for (int mode : modes) {
        const bool reactive = mode == 7 || mode == 8 || mode == 9 || mode == 25;
        std::vector<Frame> frames = run_mode(mode, 40, reactive);
        for (const auto& [other, other_frames] : seen)
            EXPECT_NE(frames, other_frames) << "mode " << mode << " looks like mode " << other;
        bool strip_lit = false;
        for (const Frame& frame : frames) {
            strip_lit = strip_lit || std::any_of(frame.begin() + kFirstStripLight,
                                                 frame.begin() + kPlacedLights, lit);
            if (std::find(whole_page.begin(), whole_page.end(), mode) != whole_page.end()) continue;
            for (size_t light = kPlacedLights; light < frame.size(); ++light)
                ASSERT_EQ(frame[light], (ColorRecord{0, 0, 0, 0})) << "mode " << mode;
        }
        const bool dark = std::find(strip_dark.begin(), strip_dark.end(), mode) != strip_dark.end();
        EXPECT_EQ(strip_lit, !dark) << "mode " << mode;
        seen.emplace_back(mode, std::move(frames));
    }
}

TEST(KeyboardPreview, WithColourfulOffEffectsKeepToTheChosenColour) {
    // The spectrum wheel, the four-colour set, the custom colours, the music colours and the
    // fireworks' rockets bring colours of their own.
    const std::vector<int> own_colours{4, 13, 20, 21, 26, 27};
    for (int mode = 1; mode <= 30; ++mode) {
        if (std::find(own_colours.begin(), own_colours.end(), mode) != own_colours.end()) continue;
        const bool reactive = mode == 7 || mode == 8 || mode == 9 || mode == 25;
        for (const Frame& frame : run_mode(mode, 40, reactive, false)) {
            for (const ColorRecord& c : frame) {
                if (!lit(c)) continue;
                ASSERT_EQ((device::Rgb{c.red, c.green, c.blue}), (device::Rgb{255, 90, 0}))
                    << "mode " << mode;
            }
        }
    }
}

TEST(KeyboardPreview, OnlyTheReactiveModesAnswerKeys) {
    for (int mode : {7, 8, 9, 25}) EXPECT_NE(run_mode(mode, 6, true), run_mode(mode, 6)) << mode;
    for (int mode : {1, 13, 21}) EXPECT_EQ(run_mode(mode, 6, true), run_mode(mode, 6)) << mode;
}

TEST(KeyboardPreview, HeldKeyGlowsUntilReleased) {
    KeyboardPreview preview;
    LightRecord lighting{.mode = 8, .brightness = 4, .speed = 4, .red = 255};
    Frame lights(kPageLights);
    preview.tick(lighting, lights, 0);
    preview.key_event(51, true);
    preview.key_event(9999, true);  // a key the board does not have
    for (int f = 1; f < 60; ++f) preview.tick(lighting, lights, f * kTickMs);
    EXPECT_EQ(lights[51], with_brightness({255, 0, 0}, 255));
    preview.key_event(51, false);
    for (int f = 60; f < 120; ++f) preview.tick(lighting, lights, f * kTickMs);
    EXPECT_EQ(lights[51].brightness, 0);
}

TEST(KeyboardPreview, ShortPagesAndWildRecordsStayInBounds) {
    const ColorRecord guard{1, 2, 3, 4};
    LightRecord lighting{
        .brightness = 200, .speed = 99, .direction = 7, .multicolor = 1, .effect_step = 250};
    for (size_t size : {size_t{0}, size_t{10}, size_t{51}, size_t{100}}) {
        KeyboardPreview preview;
        Frame page(size + 30, guard);
        const std::span<ColorRecord> lights(page.data(), size);
        for (int mode = 0; mode <= 31; ++mode) {
            lighting.mode = static_cast<uint8_t>(mode == 31 ? 255 : mode);
            preview.key_event(static_cast<int>(size), true);
            for (int f = 0; f < 12; ++f) preview.tick(lighting, lights, (mode * 12 + f) * kTickMs);
        }
        for (size_t light = size; light < page.size(); ++light)
            ASSERT_EQ(page[light], guard) << size;
    }
}

}  // namespace
}  // namespace ilmo::lighting
