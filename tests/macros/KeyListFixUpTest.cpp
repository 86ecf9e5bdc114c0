#include <gtest/gtest.h>

#include "macros/KeyListFixUp.h"
#include "profiles/JsonFile.h"

namespace ilmo::macros {
namespace {

int code(int type, int first, int second) {
    return type << 16 | first << 8 | second;
}

TEST(KeyListFixUp, OnlyMacroTypesAreRenumberedAndTheRepeatByteIsKept) {
    const Json::Value keys = profiles::parse_json(R"([
        {"Assignment": 7406338, "FnAssignment": 7471874, "DefaultAssignment": 4},
        {"Assignment": 7340289, "FnAssignment": 2097924, "DefaultAssignment": 4}])");
    // 0x710302 → 0x710202; 0x720302 (gun key) and 0x200304 share the layout but bind no macro.
    const Json::Value fixed = key_list_without_macro(keys, 2);
    EXPECT_EQ(fixed[0]["Assignment"].asInt(), code(0x71, 2, 2));
    EXPECT_EQ(fixed[0]["FnAssignment"], keys[0]["FnAssignment"]);
    EXPECT_EQ(fixed[1], keys[1]);  // 0x700101 binds macro 1, before the deleted one
}

TEST(KeyListFixUp, HostileKeyListsAreKeptAsTheyAre) {
    const Json::Value odd = profiles::parse_json(R"([
        null, 5, {"Assignment": "7340544"}, {"Assignment": 1e300},
        {"Assignment": -1, "FnAssignment": [1]}])");
    EXPECT_EQ(key_list_without_macro(odd, 0), odd);
    EXPECT_FALSE(uses_macro(odd, 255));
    EXPECT_EQ(key_list_without_macro(Json::Value("x"), 0), Json::Value("x"));
}

TEST(KeyListFixUp, MissingDefaultTurnsABindingToNothing) {
    const Json::Value keys =
        profiles::parse_json(R"([{"Assignment": 7340032, "DefaultAssignment": "A"}])");
    EXPECT_EQ(key_list_without_macro(keys, 0)[0]["Assignment"], Json::Value(0));
}

TEST(KeyListFixUp, ProfileDocumentsAreFixedInsideTheirDeviceSection) {
    Json::Value profile;
    profile["profilename"] = "p";
    profile["Device"][0]["KeyList"][0]["Assignment"] = code(0x70, 5, 0);
    profile["Device"][0]["LightInfo"]["Red"] = 1;
    Json::Value expected = profile;
    expected["Device"][0]["KeyList"][0]["Assignment"] = code(0x70, 4, 0);
    EXPECT_EQ(profile_without_macro(profile, 1), expected);
    EXPECT_EQ(profile_without_macro(profile, 6), profile);
    EXPECT_EQ(profile_without_macro(Json::Value(3), 0), Json::Value(3));
}

}  // namespace
}  // namespace ilmo::macros
