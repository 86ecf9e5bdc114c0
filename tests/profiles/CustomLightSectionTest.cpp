#include <gtest/gtest.h>

#include "ProfiledataFixture.h"
#include "profiles/CustomLightSection.h"

namespace ilmo::profiles {
namespace {

Json::Value section_with_group_of(int stored) {
    Json::Value section;
    Json::Value& group = section["CustomLightMode"]["LightColorInfo"][0];
    for (int k = 0; k < stored; ++k) {
        group[k]["Red"] = k + 1;
        group[k]["Green"] = 2;
        group[k]["Blue"] = 3;
        group[k]["Alpha"] = 255;
    }
    return section;
}

TEST(CustomLightSection, KeysTheGroupLacksReadAsZeroAndAreCreated) {
    Json::Value section = section_with_group_of(10);
    const auto colors = read_custom_colors(section, 0, 104);
    ASSERT_EQ(colors.size(), 104u);
    for (size_t k = 0; k < 10; ++k)
        EXPECT_EQ(colors[k], (KeyColor{static_cast<uint8_t>(k + 1), 2, 3, 255})) << k;
    for (size_t k = 10; k < 104; ++k) EXPECT_EQ(colors[k], KeyColor{}) << k;

    const Json::Value& groups = section["CustomLightMode"]["LightColorInfo"];
    ASSERT_EQ(groups[0].size(), 104u);
    EXPECT_EQ(groups[0][3]["Red"].asInt(), 4);
    EXPECT_TRUE(groups[0][103].isMember("Alpha"));

    // A missing group is created whole; groups before it stay as they are.
    EXPECT_EQ(read_custom_colors(section, 2, 5), std::vector<KeyColor>(5));
    EXPECT_EQ(groups[2].size(), 5u);
    EXPECT_TRUE(groups[1].isNull());
}

TEST(CustomLightSection, WritingSetsTheGivenKeysAndTheGroupIndex) {
    Json::Value section = section_with_group_of(4);
    write_custom_colors(section, 0, {{9, 8, 7, 6}, {1, 1, 1, 1}});
    EXPECT_EQ(read_custom_colors(section, 0, 3),
              (std::vector<KeyColor>{{9, 8, 7, 6}, {1, 1, 1, 1}, {3, 2, 3, 255}}));
    EXPECT_EQ(section["CustomLightMode"]["LightColorInfo"][0].size(), 4u);

    encode_custom_group_index(section, -1);
    EXPECT_EQ(decode_custom_group_index(section), -1);
}

}  // namespace
}  // namespace ilmo::profiles
