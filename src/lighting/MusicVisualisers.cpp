#include "lighting/MusicVisualisers.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "lighting/AudioBands.h"
#include "lighting/EffectConstants.h"
#include "lighting/SharedEffects.h"

namespace ilmo::lighting {

namespace {

constexpr int kSilentHeight = 600;
// Far past the loudest band the audio path makes, so clamping changes no picture; it keeps
// the integer maths below from overflowing on values from outside.
constexpr int kLargestValue = 1'000'000;
constexpr uint8_t kMusicMarker = 21;
constexpr int kFadedBelow = 10;
// How much of its glow a marked key loses per step: a lit key dies out in about ten steps.
constexpr int kFadePerStep = 25;
constexpr int kColumnWheelStride = 10;
constexpr int kLeftPartColumns = 9;  // audio mode 1: columns 0-8, then 9-22
constexpr int kRingWheelStride = 9;
constexpr int kLoudestLevel = 20;  // audio mode 3's level runs 0 (loud) to 20 (silent)

// An index of 126 or more in the key matrix marks an empty cell.
bool is_key(uint8_t entry) {
    return entry < kBoardLights;
}

size_t at(int light) {
    return static_cast<size_t>(light);
}

device::Rgb lit_color(const MusicLighting& music, int wheel_index) {
    return music.seven_color ? spectrum_color(wheel_index) : music.foreground;
}

int wheel_position(const device::LightRecord& record) {
    return record.effect_step;
}

void advance_wheel(device::LightRecord& record, int amount) {
    advance_effect_step(record, kSpectrumSize, record.direction != 0, amount);
}

// Every dark board key at the background colour: keys the matrix leaves out, and the keys a
// visualiser does not light, show it rather than what the previous mode left.
void paint_background(KeyCanvas& canvas, const MusicLighting& music) {
    for (int light = 0; light < kBoardLights; ++light)
        if (canvas.is_dark(light))
            canvas.set(light, with_brightness(music.background, canvas.level_brightness()));
}

void paint_lit(KeyCanvas& canvas, int light, device::Rgb color, int fade) {
    canvas.set(light, with_brightness(color, scale_byte(canvas.level_brightness(), fade)));
}

// Marked keys lose some glow each step; the others hold theirs.
void fade_marked(KeyboardEffectState& state) {
    for (size_t light = 0; light < kPlacedLights; ++light)
        if (state.marker[light] == kMusicMarker)
            state.glow[light] = static_cast<uint8_t>(std::max(0, state.glow[light] - kFadePerStep));
}

// One key of a fading visualiser: a lit key starts at full fade in `color`; an unlit key still
// fading keeps the colour it was lit in, dimmed by its fade; the rest keep the background.
void show_fading_key(KeyCanvas& canvas, KeyboardEffectState& state, int light, bool lit,
                     device::Rgb color) {
    uint8_t& glow = state.glow[at(light)];
    if (lit) {
        glow = 255;
        state.key_color[at(light)] = color;
    }
    if (glow >= kFadedBelow) paint_lit(canvas, light, state.key_color[at(light)], glow);
}

// A column's lowest key: the sixth row, or the last key of a shorter column.
int bottom_key(const std::array<uint8_t, kColumnDepth>& column) {
    for (int row = kColumnDepth - 1; row >= 0; --row)
        if (is_key(column[at(row)])) return column[at(row)];
    return -1;
}

// A key takes the music marker on the top row, and below a cell that is empty or whose key
// has faded: a bar that stops being fed fades from its top key down.
void mark_in_column(KeyboardEffectState& state, const std::array<uint8_t, kColumnDepth>& column,
                    int row) {
    const uint8_t above = row > 0 ? column[at(row - 1)] : kNoLight;
    if (row == 0 || !is_key(above) || state.glow[above] < kFadedBelow)
        state.marker[column[at(row)]] = kMusicMarker;
}

// Audio modes 0 and 4: column c shows band c from the bottom up; rows from
// (h + 100) × 6 / 600 on are lit. With `hold_columns` (mode 4) a column that lit keys keeps
// its bar, taking no new one, until its bottom key has faded; its keys keep the wheel colour
// they were lit in meanwhile.
void column_bars(KeyCanvas& canvas, device::LightRecord& record, KeyboardEffectState& state,
                 const MusicLighting& music, const BandValues& values, bool hold_columns) {
    advance_wheel(record, 1);
    const ColumnTable& columns = column_table();
    for (int c = 0; c < kBoardColumns; ++c) {
        const auto& column = columns[at(c)];
        const int first_lit_row = (band_height(values[at(c)]) + 100) * kBoardRows / kSilentHeight;
        const device::Rgb color = lit_color(music, wheel_position(record) + kColumnWheelStride * c);
        const int bottom = bottom_key(column);
        bool& held = state.column_held[at(c)];
        if (held && (bottom < 0 || state.glow[at(bottom)] < kFadedBelow)) held = false;
        bool any_lit = false;
        for (int row = 0; row < kColumnDepth; ++row) {
            if (!is_key(column[at(row)])) continue;
            mark_in_column(state, column, row);
            const bool lit = row >= first_lit_row && !(hold_columns && held);
            show_fading_key(canvas, state, column[at(row)], lit, color);
            any_lit = any_lit || lit;
        }
        if (hold_columns && any_lit) held = true;
    }
}

// Audio mode 1: row g reads band 3g for the left part (columns 0-8) and band 3g + 3 for the
// right part (columns 9-22). Each part's bar starts at its outer edge and is
// (h × 12 + 1200) / 600 keys long, cut to the part's width.
void edge_bars(KeyCanvas& canvas, device::LightRecord& record, const MusicLighting& music,
               const BandValues& values) {
    constexpr int kWheelStride = 7;
    advance_wheel(record, 1);
    const auto bar_length = [](int value) { return (band_height(value) * 12 + 1200) / 600; };
    const ColumnTable& columns = column_table();
    for (int row = 0; row < kBoardRows; ++row) {
        const int left = bar_length(values[at(3 * row)]);
        const int right = bar_length(values[at(3 * row + 3)]);
        for (int c = 0; c < kBoardColumns; ++c) {
            const uint8_t key = columns[at(c)][at(row)];
            const bool lit = c < kLeftPartColumns ? c < left : kBoardColumns - 1 - c < right;
            if (is_key(key) && lit)
                paint_lit(canvas, key, lit_color(music, wheel_position(record) + kWheelStride * c),
                          255);
        }
    }
}

// Audio mode 3: one level for the whole board, the mean of the 25 heights scaled to 0-20
// (0 loud, 20 silent); the wheel moves on by the level, and the key rings round the O key below 20
// − level light outwards, ring r in wheel colour position + 9 × r.
void key_rings(KeyCanvas& canvas, device::LightRecord& record, KeyboardEffectState& state,
               std::span<const int> key_to_light, const BandValues& values) {
    int height_sum = 0;
    for (int value : values) height_sum += band_height(value);
    const int level =
        std::clamp(height_sum / kBandCount * kLoudestLevel / kSilentHeight, 0, kLoudestLevel);
    advance_wheel(record, level);
    for (int ring = 0; ring < kKeyRings; ++ring) {
        const device::Rgb color = spectrum_color(wheel_position(record) + kRingWheelStride * ring);
        for (uint8_t key : ring_keys(ring)) {
            const int light = light_of_key(key_to_light, key);
            if (light < 0 || light >= kBoardLights) continue;
            // Every ring key fades: a ring the music left dies out as a whole.
            state.marker[at(light)] = kMusicMarker;
            show_fading_key(canvas, state, light, ring < kLoudestLevel - level, color);
        }
    }
}

// The band value of a row of audio modes 5 and 6: consecutive bands in groups of the given
// sizes, each group's sum taken over three.
template <size_t N>
std::array<int, N> grouped_values(const BandValues& values, const std::array<int, N>& sizes) {
    std::array<int, N> grouped{};
    size_t band = 0;
    for (size_t row = 0; row < N; ++row) {
        int sum = 0;
        for (int i = 0; i < sizes[row]; ++i) sum += values[band++];
        grouped[row] = sum / 3;
    }
    return grouped;
}

// Audio mode 5: row r lit from column 23 − (h × 23 + 2300) / 600 on, with the clip rule.
void row_bars(KeyCanvas& canvas, device::LightRecord& record, const MusicLighting& music,
              const BandValues& values) {
    constexpr int kWheelStride = 3;
    advance_wheel(record, 1);
    const auto rows = grouped_values(values, std::array{2, 3, 3, 4, 5, 7});
    const ColumnTable& columns = column_table();
    for (int row = 0; row < kBoardRows; ++row) {
        const int h = band_height_capped(rows[at(row)]);
        const int first_lit = kBoardColumns - (h * kBoardColumns + 2300) / kSilentHeight;
        for (int c = std::max(first_lit, 0); c < kBoardColumns; ++c) {
            const uint8_t key = columns[at(c)][at(row)];
            if (is_key(key))
                paint_lit(canvas, key, lit_color(music, wheel_position(record) + kWheelStride * c),
                          255);
        }
    }
}

// Audio mode 6: odd rows lit where column > 23 − h × 23 / 600 (from the right), even rows
// where column < h × 23 / 600 (from the left), with the clip rule.
void mirrored_bars(KeyCanvas& canvas, device::LightRecord& record, const MusicLighting& music,
                   const BandValues& values) {
    advance_wheel(record, 1);
    const auto rows = grouped_values(values, std::array{2, 2, 3, 4, 5, 5});
    const ColumnTable& columns = column_table();
    for (int row = 0; row < kBoardRows; ++row) {
        const int reach = band_height_capped(rows[at(row)]) * kBoardColumns / kSilentHeight;
        for (int c = 0; c < kBoardColumns; ++c) {
            const uint8_t key = columns[at(c)][at(row)];
            const bool lit = row % 2 == 1 ? c > kBoardColumns - reach : c < reach;
            if (is_key(key) && lit)
                paint_lit(canvas, key,
                          lit_color(music, wheel_position(record) + kColumnWheelStride * c), 255);
        }
    }
}

}  // namespace

void prepare_music(KeyboardEffectState& state) {
    state.glow.fill(1);
    state.marker.fill(0);
    state.column_held.fill(false);
    state.sparks.clear();
}

void music_visualiser(KeyCanvas& canvas, device::LightRecord& record, KeyboardEffectState& state,
                      const MusicLighting& music, std::span<const int> key_to_light,
                      const BandValues& given) {
    BandValues values = given;
    for (int& value : values) value = std::clamp(value, -kLargestValue, kLargestValue);
    canvas.clear();
    if (music.audio_mode == kRippleAudioMode) {
        // The ripples the beat starts, over the static frame.
        draw_sparks(canvas, state);
        return paint_background(canvas, music);
    }
    paint_background(canvas, music);
    fade_marked(state);
    switch (music.audio_mode) {
        case 0:
            return column_bars(canvas, record, state, music, values, false);
        case 1:
            return edge_bars(canvas, record, music, values);
        case 3:
            return key_rings(canvas, record, state, key_to_light, values);
        case 4:
            return column_bars(canvas, record, state, music, values, true);
        case 5:
            return row_bars(canvas, record, music, values);
        case 6:
            return mirrored_bars(canvas, record, music, values);
        default:
            return;
    }
}

}  // namespace ilmo::lighting
