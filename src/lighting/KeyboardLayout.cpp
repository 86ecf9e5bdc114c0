#include "lighting/KeyboardLayout.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace ilmo::lighting {

namespace {

constexpr uint8_t N = kNoLight;
constexpr int kMatrixRowKeys = 21;

// One column, one ring to a line, as the board lists them.
// clang-format off
constexpr ColumnTable kColumns{{{120, 121, 122, 84, 105, N},
                                {21, 42, 63, 102, 106, N},
                                {0, 22, 43, 64, 85, 107},
                                {1, 23, 44, 65, 86, N},
                                {2, 24, 45, 66, 87, N},
                                {3, 25, 46, 67, 88, N},
                                {4, 26, 47, 68, 89, 108},
                                {27, 48, 69, 90, N, N},
                                {5, 28, 49, 70, 91, N},
                                {6, 29, 50, 71, 92, 109},
                                {7, 30, 51, 72, 93, 125},
                                {8, 31, 52, 73, 94, 110},
                                {9, 32, 53, 74, 111, N},
                                {10, 33, 54, 62, N, N},
                                {11, 34, 75, 95, 112, N},
                                {12, 34, 95, 112, N, N},
                                {13, 35, 56, 113, N, N},
                                {14, 36, 57, 96, 114, N},
                                {15, 37, 58, 115, N, N},
                                {38, 59, 76, 97, 116, N},
                                {39, 60, 77, 98, 116, N},
                                {40, 61, 78, 99, 117, N},
                                {41, 119, 118, 118, N, N}}};

constexpr uint8_t kRings[] = {
    51, N,
    30, 50, 71, 72, 52, 31, N,
    8, 29, 49, 70, 91, 92, 93, 73, 53, 32, N,
    7, 28, 48, 69, 90, 109, 94, 74, 54, 33, 9, 62, N,
    6, 27, 47, 68, 89, 110, 100, 75, 55, 34, 10, 11, N,
    5, 26, 46, 67, 88, 108, 95, 111, 112, 56, 35, 12, N,
    4, 25, 45, 66, 87, 113, 96, 57, 36, 13, N,
    3, 24, 44, 65, 86, 114, 115, 58, 37, 15, 14, N,
    2, 23, 43, 64, 85, 107, 97, 76, 59, 38, N,
    1, 22, 42, 63, 84, 106, 116, 98, 77, 60, 39, 102, N,
    0, 21, 105, 117, 99, 78, 61, 40, N,
    118, 119, 41, N};
// clang-format on

bool names_light(uint8_t entry) {
    return entry != kNoLight && entry != kNoLightToo && entry < kBoardLights;
}

struct PlaceSum {
    float x = 0;
    float y = 0;
    int count = 0;
};

// Rows of one column, top to bottom. A light sits in its key-matrix row, but never above the
// light listed before it, and high enough to leave a row for each light listed after it: the
// matrix numbers the macro keys and the keypad's tall keys at its end, out of their rows.
void add_column_places(int column, std::array<PlaceSum, kBoardLights>& sums) {
    std::vector<uint8_t> lights;
    for (uint8_t entry : kColumns[static_cast<size_t>(column)])
        if (names_light(entry)) lights.push_back(entry);
    const int count = static_cast<int>(lights.size());
    int previous_row = -1;
    for (int i = 0; i < count; ++i) {
        const int matrix_row = lights[static_cast<size_t>(i)] / kMatrixRowKeys;
        const int lowest = previous_row + 1;
        const int highest = kBoardRows - (count - i);
        const int row = std::clamp(matrix_row, lowest, std::max(lowest, highest));
        PlaceSum& sum = sums[lights[static_cast<size_t>(i)]];
        sum.x += static_cast<float>(column);
        sum.y += static_cast<float>(row);
        ++sum.count;
        previous_row = row;
    }
}

// A light the column table leaves out (the regional keys, the matrix's empty places, the
// last macro keys) continues the run of lights numbered before it: one place further along
// the way the two before it went (to the right along a row, or down the macro column).
LightPlace continue_run(const std::array<LightPlace, kPlacedLights>& places,
                        const std::array<bool, kBoardLights>& placed, int light) {
    int last = light - 1;
    while (last >= 0 && !placed[static_cast<size_t>(last)]) --last;
    if (last < 0) return {};
    const LightPlace from = places[static_cast<size_t>(last)];
    LightPlace step{1, 0};
    if (last > 0 && placed[static_cast<size_t>(last - 1)]) {
        const LightPlace before = places[static_cast<size_t>(last - 1)];
        step = {from.x - before.x, from.y - before.y};
    }
    const auto distance = static_cast<float>(light - last);
    return {std::clamp(from.x + step.x * distance, 0.0f, kBoardColumns - 1.0f),
            std::clamp(from.y + step.y * distance, 0.0f, kBoardRows - 1.0f)};
}

std::array<LightPlace, kPlacedLights> derive_places() {
    std::array<PlaceSum, kBoardLights> sums{};
    for (int column = 0; column < kBoardColumns; ++column) add_column_places(column, sums);
    std::array<LightPlace, kPlacedLights> places{};
    std::array<bool, kBoardLights> placed{};
    for (size_t i = 0; i < sums.size(); ++i) {
        if (sums[i].count == 0) continue;
        const auto n = static_cast<float>(sums[i].count);
        places[i] = {sums[i].x / n, sums[i].y / n};
        placed[i] = true;
    }
    for (int light = 0; light < kBoardLights; ++light)
        if (!placed[static_cast<size_t>(light)])
            places[static_cast<size_t>(light)] = continue_run(places, placed, light);
    // The strip's lights are evenly spaced from the first column to the last.
    constexpr float kStripSpacing = (kBoardColumns - 1.0f) / (kStripLights - 1);
    for (int i = 0; i < kStripLights; ++i)
        places[static_cast<size_t>(kFirstStripLight + i)] = {kStripSpacing * static_cast<float>(i),
                                                             kStripRow};
    return places;
}

}  // namespace

const ColumnTable& column_table() {
    return kColumns;
}

std::span<const uint8_t> ring_keys(int ring) {
    if (ring < 0 || ring >= kKeyRings) return {};
    const std::span<const uint8_t> all(kRings);
    auto begin = all.begin();
    for (int r = 0; r < ring; ++r) begin = std::find(begin, all.end(), N) + 1;
    return {begin, std::find(begin, all.end(), N)};
}

const std::array<LightPlace, kPlacedLights>& light_places() {
    static const std::array<LightPlace, kPlacedLights> places = derive_places();
    return places;
}

}  // namespace ilmo::lighting
