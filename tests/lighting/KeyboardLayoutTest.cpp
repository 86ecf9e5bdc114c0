#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <vector>

#include "lighting/KeyboardLayout.h"

namespace ilmo::lighting {
namespace {

std::vector<int> columns_of(int light) {
    std::vector<int> columns;
    for (int c = 0; c < kBoardColumns; ++c) {
        const auto& lights = column_table()[static_cast<size_t>(c)];
        if (std::find(lights.begin(), lights.end(), light) != lights.end()) columns.push_back(c);
    }
    return columns;
}

void expect_place(int light, float x, float y) {
    const LightPlace p = light_places()[static_cast<size_t>(light)];
    EXPECT_FLOAT_EQ(p.x, x) << "light " << light;
    EXPECT_FLOAT_EQ(p.y, y) << "light " << light;
}

TEST(KeyboardLayout, TablesAsTheBoardGivesThem) {
    EXPECT_EQ(columns_of(34), (std::vector<int>{14, 15}));
    EXPECT_EQ(columns_of(116), (std::vector<int>{19, 20}));
    EXPECT_EQ(columns_of(55), std::vector<int>{});
    EXPECT_EQ(std::vector<uint8_t>(ring_keys(0).begin(), ring_keys(0).end()),
              std::vector<uint8_t>{51});
    EXPECT_EQ(ring_keys(11).back(), 41);
    EXPECT_TRUE(ring_keys(12).empty());
    // Each ring's length and key sum, worked out from the published rows.
    const int lengths[kKeyRings] = {1, 6, 10, 12, 12, 12, 10, 11, 10, 12, 8, 3};
    const int sums[kKeyRings] = {51, 306, 590, 677, 632, 761, 542, 575, 594, 810, 521, 278};
    for (int r = 0; r < kKeyRings; ++r) {
        const std::span<const uint8_t> keys = ring_keys(r);
        EXPECT_EQ(keys.size(), static_cast<size_t>(lengths[r])) << "ring " << r;
        EXPECT_EQ(std::accumulate(keys.begin(), keys.end(), 0), sums[r]) << "ring " << r;
    }
}

TEST(KeyboardLayout, KeysSitInTheirRowsAndColumns) {
    expect_place(0, 2, 0);    // Esc
    expect_place(51, 10, 2);  // the O key
    expect_place(27, 7, 1);   // a column without a top-row key
    expect_place(120, 0, 1);  // the macro column, numbered at the matrix's end
    expect_place(122, 0, 3);
    expect_place(62, 13, 3);     // a regional key sharing its matrix row
    expect_place(34, 14.5, 1);   // wide: between two columns
    expect_place(118, 22, 4.5);  // tall: two rows of one column
    // Keys no column lists carry on the run before them.
    expect_place(55, 14, 2);
    expect_place(123, 0, 4);
    expect_place(124, 0, 5);
    for (int light = 0; light < kBoardLights; ++light) {
        const LightPlace p = light_places()[static_cast<size_t>(light)];
        EXPECT_GE(p.x, 0);
        EXPECT_LE(p.x, kBoardColumns - 1);
        EXPECT_GE(p.y, 0);
        EXPECT_LE(p.y, kBoardRows - 1);
    }
}

TEST(KeyboardLayout, TheStripRunsUnderTheBoardAcrossItsWidth) {
    expect_place(kFirstStripLight, 0, kStripRow);
    expect_place(kPlacedLights - 1, kBoardColumns - 1, kStripRow);
    EXPECT_GT(kStripRow, kBoardRows - 1);
    for (int light = kFirstStripLight + 1; light < kPlacedLights; ++light)
        EXPECT_GT(light_places()[static_cast<size_t>(light)].x,
                  light_places()[static_cast<size_t>(light - 1)].x);
}

}  // namespace
}  // namespace ilmo::lighting
