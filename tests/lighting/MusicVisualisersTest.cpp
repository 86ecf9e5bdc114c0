#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <climits>
#include <set>
#include <thread>
#include <vector>

#include "lighting/EffectConstants.h"
#include "lighting/KeyboardPreview.h"
#include "lighting/MusicVisualisers.h"
#include "lighting/SharedEffects.h"

namespace ilmo::lighting {
namespace {

using device::ColorRecord;
using device::LightRecord;
using device::Rgb;
using Frame = std::vector<ColorRecord>;

constexpr int kPageLights = 170;
constexpr Rgb kBackground{0, 0, 200};
constexpr Rgb kForeground{200, 100, 0};
// Column 2 of the matrix, top to bottom, and the lights of row 0 and row 1 by column.
constexpr int kColumn2[] = {0, 22, 43, 64, 85, 107};
constexpr int kRow0[] = {120, 21, 0,  1,  2,  3,  4,  27, 5,  6,  7, 8,
                         9,   10, 11, 12, 13, 14, 15, 38, 39, 40, 41};
constexpr int kRow1[] = {121, 42, 22, 23, 24, 25, 26, 48, 28, 29, 30, 31,
                         32,  33, 34, 34, 35, 36, 37, 59, 60, 61, 119};

MusicLighting music(int audio_mode, bool seven_color = false) {
    return {audio_mode, kBackground, kForeground, seven_color};
}

// One visualiser step on a fresh music state.
struct Board {
    Frame lights = Frame(kPageLights);
    LightRecord record{.mode = 21, .brightness = 4, .direction = 1};
    KeyboardEffectState state;
    Board() { prepare_music(state); }
    const Frame& step(const MusicLighting& look, const BandValues& values) {
        KeyCanvas canvas(lights, brightness_byte(record.brightness));
        music_visualiser(canvas, record, state, look, {}, values);
        return lights;
    }
};

ColorRecord lit(Rgb color, int level = 4) {
    return with_brightness(color, scale_byte(brightness_byte(level), 255));
}
ColorRecord background(int level = 4) {
    return with_brightness(kBackground, brightness_byte(level));
}

TEST(MusicVisualisers, SilenceShowsTheBackgroundWhereTheHeightsLightNothing) {
    for (int mode : {0, 2, 3, 4, 7}) {
        Board board;
        const Frame& frame = board.step(music(mode), {});
        for (int light = 0; light < kBoardLights; ++light)
            ASSERT_EQ(frame[static_cast<size_t>(light)], background()) << mode << " " << light;
        for (int light = kBoardLights; light < kPageLights; ++light)
            ASSERT_EQ(frame[static_cast<size_t>(light)], (ColorRecord{0, 0, 0, 0})) << mode;
    }
    // Read literally, the bar modes' mappings give their longest bars at a height of 600.
    const Frame mode1 = Board().step(music(1), {});
    const Frame mode5 = Board().step(music(5), {});
    const Frame mode6 = Board().step(music(6), {});
    for (int c = 0; c < kBoardColumns; ++c) {
        const auto row0 = static_cast<size_t>(kRow0[c]);
        const auto row1 = static_cast<size_t>(kRow1[c]);
        EXPECT_EQ(mode1[row0], lit(kForeground)) << c;
        EXPECT_EQ(mode5[row0], lit(kForeground)) << c;
        EXPECT_EQ(mode6[row0], lit(kForeground)) << c;  // even rows: column < 23
        EXPECT_EQ(mode6[row1], c > 0 ? lit(kForeground) : background()) << c;  // odd: > 0
    }
}

TEST(MusicVisualisers, ColumnBarsLightTheRowsOfTheirHeight) {
    BandValues values{};
    values[2] = 1000;  // h 300: rows from (300 + 100) × 6 / 600 = 4 on
    Board board;
    board.step(music(0), values);
    for (int row = 0; row < kBoardRows; ++row)
        EXPECT_EQ(board.lights[static_cast<size_t>(kColumn2[row])],
                  row >= 4 ? lit(kForeground) : background())
            << row;
    EXPECT_EQ(board.lights[1], background());  // column 3 had nothing

    values[2] = 4200;  // h −660: every row
    Board loud;
    loud.step(music(0), values);
    for (int key : kColumn2) EXPECT_EQ(loud.lights[static_cast<size_t>(key)], lit(kForeground));

    // Seven-colour: the wheel moved one step on, plus 10 per column; brightness scales.
    Board wheel;
    wheel.record.effect_step = 5;
    wheel.record.brightness = 2;
    wheel.step(music(0, true), values);
    EXPECT_EQ(wheel.record.effect_step, 6);
    EXPECT_EQ(wheel.lights[85], lit(spectrum_color(6 + 20), 2));
    EXPECT_EQ(wheel.lights[1], background(2));
}

TEST(MusicVisualisers, LitKeysFadeFromTheTopAndHeldColumnsWait) {
    BandValues quiet{};
    quiet[2] = 1000;  // rows 4 and 5
    BandValues loud{};
    loud[2] = 4200;  // every row

    // Mode 0: a fed bar's top key fades once the music leaves it; keys under a lit key wait.
    Board board;
    board.step(music(0), loud);
    board.step(music(0), {});
    EXPECT_EQ(board.lights[0], with_brightness(kForeground, scale_byte(255, 230)));
    EXPECT_EQ(board.lights[22], lit(kForeground));
    board.step(music(0), quiet);
    EXPECT_EQ(board.lights[107], lit(kForeground));

    // Mode 4 keeps a column's bar until its bottom key has faded; mode 0 takes the new one.
    Board fresh;
    fresh.step(music(0), quiet);
    fresh.step(music(0), loud);
    EXPECT_EQ(fresh.lights[0], lit(kForeground));
    Board held;
    held.step(music(4), quiet);
    held.step(music(4), loud);
    EXPECT_EQ(held.lights[0], background());
    EXPECT_EQ(held.lights[107], lit(kForeground));
}

TEST(MusicVisualisers, RowBarsFollowTheirMappingsAndTheClipRule) {
    BandValues values{};
    values[0] = values[1] = 3000;  // row 0: (3000 + 3000) / 3 = 2000, h 0
    values[2] = values[3] = 6300;  // mode 6 row 1 and mode 1 band 3: clipped
    // Mode 5: h 0 lights columns from 23 − 2300 / 600 = 20 on.
    const Frame mode5 = Board().step(music(5), values);
    for (int c = 0; c < kBoardColumns; ++c)
        EXPECT_EQ(mode5[static_cast<size_t>(kRow0[c])], c >= 20 ? lit(kForeground) : background())
            << c;
    values[0] = values[1] = 6300;  // 4200: h 500, from column 23 − 13800 / 600 = 0 on
    const Frame clipped5 = Board().step(music(5), values);
    EXPECT_EQ(clipped5[120], lit(kForeground));

    // Mode 6 at h 500: row 0 lit left of 500 × 23 / 600 = 19, row 1 right of 23 − 19.
    const Frame mode6 = Board().step(music(6, true), values);
    EXPECT_EQ(mode6[15], lit(spectrum_color(1 + 10 * 18)));  // column 18
    EXPECT_EQ(mode6[38], background());                      // column 19
    EXPECT_EQ(mode6[24], background());                      // row 1, column 4
    EXPECT_EQ(mode6[25], lit(spectrum_color(1 + 10 * 5)));   // row 1, column 5

    // Mode 1, row 0: band 0 on the left, band 3 on the right, (h × 12 + 1200) / 600 keys long.
    values[0] = 2000;  // h 0: 2 keys from column 0
    values[1] = 0;     // the bands between are not read
    values[3] = 4200;  // h −660: no keys
    const Frame mode1 = Board().step(music(1), values);
    EXPECT_EQ(mode1[120], lit(kForeground));
    EXPECT_EQ(mode1[21], lit(kForeground));
    EXPECT_EQ(mode1[0], background());
    EXPECT_EQ(mode1[41], background());
    EXPECT_EQ(mode1[kRow1[22]], lit(kForeground));  // row 1's right part reads band 6
}

TEST(MusicVisualisers, RingsGrowWithLoudness) {
    std::vector<size_t> lit_counts;
    for (int value : {0, 500, 1000, 1800}) {
        BandValues values;
        values.fill(value);
        Board board;
        const Frame& frame = board.step(music(3), values);
        lit_counts.push_back(static_cast<size_t>(
            std::count_if(frame.begin(), frame.begin() + kBoardLights,
                          [](const ColorRecord& c) { return c != background(); })));
        if (value == 1000) {
            // h 300 gives level 10: the wheel moves 10 on, rings 0-9 light, 9 apart.
            EXPECT_EQ(board.record.effect_step, 10);
            EXPECT_EQ(frame[51], lit(spectrum_color(10)));
            EXPECT_EQ(frame[6], lit(spectrum_color(10 + 9 * 4)));  // ring 4
            EXPECT_EQ(frame[0], background());                     // ring 10
        }
    }
    EXPECT_EQ(lit_counts[0], 0u);
    EXPECT_TRUE(std::is_sorted(lit_counts.begin(), lit_counts.end()));
    EXPECT_LT(lit_counts[1], lit_counts[2]);
}

// The preview in music mode, one step per tick pair.
struct MusicPreview {
    KeyboardPreview preview;
    LightRecord lighting{.mode = 21, .brightness = 4, .direction = 1};
    Frame lights = Frame(kPageLights);
    int64_t now_ms = 0;
    const Frame& step() {
        preview.tick(lighting, lights, now_ms);
        now_ms += 2 * kTickMs;
        return lights;
    }
};

TEST(KeyboardMusicMode, ShowsEachValueOnceAndHoldsBarsBetweenNotices) {
    MusicPreview page;
    page.preview.set_music_lighting(music(0));
    page.preview.set_band_levels(std::vector<int>(30, 4200));  // stored before entering
    page.step();
    EXPECT_EQ(page.lights[0], background());  // entering the mode dropped them
    page.preview.set_band_levels(std::vector<int>(25, 4200));
    page.step();
    EXPECT_EQ(page.lights[0], lit(kForeground));
    EXPECT_EQ(page.preview.band_levels(), BandValues{});
    page.step();  // nothing new: the top key fades instead of being lit again
    EXPECT_EQ(page.lights[0], with_brightness(kForeground, scale_byte(255, 230)));

    // The bar modes keep the last bands' picture for a few steps without new ones.
    page.preview.set_music_lighting(music(5));
    BandValues values{};
    values[0] = values[1] = 3000;  // row 0 lit from column 20
    page.preview.set_band_levels(values);
    const Frame shown = page.step();
    EXPECT_EQ(shown[39], lit(kForeground));
    EXPECT_EQ(shown[38], background());
    for (int i = 0; i < 4; ++i) EXPECT_EQ(page.step(), shown) << i;
    EXPECT_EQ(page.step()[38], lit(kForeground));  // then silence's picture
}

// New bands are drawn at the tick they arrive, not at the pace's next step; that step is
// then skipped, so lit keys fade at the pace's rate.
TEST(KeyboardMusicMode, NewBandsShowAtOnceInThePlaceOfTheNextStep) {
    MusicPreview page;
    page.preview.set_music_lighting(music(0));
    const auto tick_at = [&](int64_t now_ms) {
        page.preview.tick(page.lighting, page.lights, now_ms);
        return page.lights[0];
    };
    tick_at(0);  // entering steps at once; the next step is due at 32 ms
    page.preview.set_band_levels(std::vector<int>(25, 4200));
    EXPECT_EQ(page.preview.next_due_ms(page.lighting, 5), 5);
    EXPECT_EQ(tick_at(5), lit(kForeground));
    EXPECT_EQ(page.preview.next_due_ms(page.lighting, 6), 4 * kTickMs);
    EXPECT_EQ(tick_at(2 * kTickMs), lit(kForeground));
    EXPECT_EQ(tick_at(4 * kTickMs), with_brightness(kForeground, scale_byte(255, 230)));
}

TEST(KeyboardMusicMode, TheRippleModeAnswersTheBeatInTheMusicColours) {
    MusicPreview page;
    page.preview.set_music_lighting(music(2));
    page.step();
    page.preview.set_band_levels(std::vector<int>(25, 4200));  // no bars in this mode
    page.preview.key_event(51, true);
    std::set<std::vector<uint8_t>> colours;
    for (int i = 0; i < 12; ++i)
        for (const ColorRecord& c : page.step())
            if (c.brightness > 0) colours.insert({c.red, c.green, c.blue});
    EXPECT_EQ(colours, (std::set<std::vector<uint8_t>>{{0, 0, 200}, {200, 100, 0}}));

    page.preview.set_music_lighting(music(0));
    page.step();
    page.preview.key_event(51, true);  // other audio modes ignore presses
    EXPECT_EQ(page.step()[51], background());
}

// The audio path stores from its own thread while the lighting thread steps; the thread
// sanitizer build reports a hand-over without its lock.
TEST(KeyboardMusicMode, BandsArriveFromAnotherThread) {
    MusicPreview page;
    page.preview.set_music_lighting(music(0));
    page.step();  // enter the mode first: entering drops what was stored before
    std::atomic<bool> done{false};
    std::thread audio([&] {
        for (int i = 0; i < 500; ++i) page.preview.set_band_levels(std::vector<int>(25, i * 8));
        done = true;
    });
    while (!done) page.step();
    audio.join();
    page.preview.set_band_levels(std::vector<int>(25, 4200));
    EXPECT_EQ(page.step()[107], lit(kForeground));
}

TEST(KeyboardMusicMode, WildValuesAndModesStayInBounds) {
    for (int mode : {0, 1, 3, 4, 5, 6, -1, 99}) {
        MusicPreview page;
        page.preview.set_music_lighting(music(mode, true));
        const ColorRecord guard{1, 2, 3, 4};
        Frame lights(60, guard);
        for (int value : {INT_MAX, INT_MIN, -5, 0}) {
            page.preview.set_band_levels(std::vector<int>(25, value));
            page.preview.tick(page.lighting, std::span(lights).first(40), page.now_ms);
            page.now_ms += 2 * kTickMs;
        }
        for (size_t light = 40; light < lights.size(); ++light) ASSERT_EQ(lights[light], guard);
    }
}

}  // namespace
}  // namespace ilmo::lighting
