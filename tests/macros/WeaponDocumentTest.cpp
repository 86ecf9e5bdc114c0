#include <gtest/gtest.h>

#include "macros/WeaponDocument.h"
#include "profiles/JsonFile.h"

namespace ilmo::macros {
namespace {

Json::Value event(const char* action, int button, int delay, int type) {
    return profiles::parse_json(
        "{\"Action\": \"" + std::string(action) + "\", \"Button\": " + std::to_string(button) +
        ", \"Delay\": " + std::to_string(delay) + ", \"Type\": " + std::to_string(type) + "}");
}

TEST(WeaponDocument, SavingBulletTwoWritesEventsTwelveToSeventeenExactly) {
    Json::Value weapon;
    for (int i = 0; i < 30 * 6; ++i) weapon["Events"].append(event("up", 9, 9, 9));
    // X 3 to the left, Y 7 downwards, delay 90.
    const Json::Value saved = with_bullet(weapon, 2, {true, 3, false, 7, 90});
    const Json::Value& events = saved["Events"];
    ASSERT_EQ(events.size(), 180u);
    EXPECT_EQ(events[12], event("down", 1, 10, 1));
    EXPECT_EQ(events[13], event("up", 1, 0, 1));
    EXPECT_EQ(events[14], event("down", 3, 5, 4));
    EXPECT_EQ(events[15], event("up", 7, 90, 5));
    EXPECT_EQ(events[16], event("down", 0, 0, 4));
    EXPECT_EQ(events[17], event("up", 0, 0, 5));
    EXPECT_EQ(events[11], weapon["Events"][11]);
    EXPECT_EQ(events[18], weapon["Events"][18]);
}

TEST(WeaponDocument, ShortOrBrokenDocumentsAreFilledWithStillBullets) {
    const Json::Value weapon = profiles::parse_json(R"({"Version": 64, "Events": [{"k": 1}]})");
    const Json::Value saved = with_bullet(weapon, 2, {false, 3, true, 4, 5});
    ASSERT_EQ(saved["Events"].size(), 18u);
    EXPECT_EQ(saved["Version"], Json::Value(64));
    EXPECT_EQ(saved["Events"][0], weapon["Events"][0]);
    // The fill keeps the six-event rhythm from where the array ended.
    EXPECT_EQ(saved["Events"][1], event("up", 1, 0, 1));
    EXPECT_EQ(saved["Events"][6], event("down", 1, 10, 1));
    EXPECT_EQ(read_bullet(saved, 2), (Bullet{false, 3, true, 4, 5}));
    EXPECT_EQ(with_bullet(profiles::parse_json(R"({"Events": 3})"), 0, {})["Events"].size(), 6u);
}

TEST(WeaponDocument, HostileEventsAndEditTextReadAsZero) {
    EXPECT_EQ(read_bullet(Json::Value("x"), 0), Bullet{});
    const Json::Value odd = profiles::parse_json(
        R"({"Events": [0, 0, {"Action": 1, "Button": "3"}, {"Action": "down", "Delay": "40"}]})");
    EXPECT_EQ(read_bullet(odd, 0), (Bullet{false, 0, true, 0, 40}));
    EXPECT_EQ(bullet_from_edits({true, "abc", false, "300", ""}), (Bullet{true, 0, false, 255, 0}));
}

}  // namespace
}  // namespace ilmo::macros
