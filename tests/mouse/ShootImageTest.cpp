#include <gtest/gtest.h>

#include "macros/FolderFixture.h"
#include "mouse/ShootImage.h"

namespace ilmo::mouse {
namespace {

class ShootImageFiles : public macros::testing::FolderFixture {
protected:
    void write_weapon(int weapon, const std::string& text) {
        write(profile_folder() / ("ShootData_" + std::to_string(weapon) + ".Shoot"), text);
    }
};

TEST_F(ShootImageFiles, WeaponsKeepTheirPlacesAndTheImageIsRefusedWholeWhenTooLarge) {
    write_weapon(0,
                 R"({"Events": [{"Action": "down", "Type": 1, "Button": 1, "Delay": 10},
                                {"Action": "up", "Type": 1, "Button": 1, "Delay": 300}]})");
    write_weapon(2, R"({"Events": [)");
    write_weapon(3, R"({"Events": [{"Action": "down", "Type": 5, "Button": 7, "Delay": 30}]})");

    const std::vector<keyboard::MacroEvents> weapons = load_weapons(profile_folder());
    ASSERT_EQ(weapons.size(), 4u);
    EXPECT_EQ(weapons[0].size(), 2u);
    EXPECT_EQ(weapons[0][1], (macros::MacroEvent{"up", 1, 1, 300}));
    EXPECT_TRUE(weapons[1].empty());  // missing
    EXPECT_TRUE(weapons[2].empty());  // broken
    EXPECT_EQ(weapons[3], (keyboard::MacroEvents{{"down", 5, 7, 30}}));

    // 16 + 4 × 2 offsets + records of 12, 4, 4 and 8 bytes.
    const keyboard::MacroImageOutcome built = build_shoot_image(weapons);
    EXPECT_EQ(built.excess, 0u);
    const std::vector<uint8_t> head(built.image.begin(), built.image.begin() + 24);
    EXPECT_EQ(head, (std::vector<uint8_t>{0xAA, 0x55, 52, 0, 4,  0, 0,  0, 0,  0, 0,  0,
                                          0,    0,    0,  0, 24, 0, 36, 0, 40, 0, 44, 0}));
    EXPECT_EQ(built.image.size(), 52u);

    const keyboard::MacroImageOutcome refused = build_shoot_image(weapons, 40);
    EXPECT_TRUE(refused.image.empty());
    EXPECT_EQ(refused.excess, 4u);
}

}  // namespace
}  // namespace ilmo::mouse
