#include <gtest/gtest.h>

#include "ProfiledataFixture.h"
#include "profiles/KeyListSection.h"

namespace ilmo::profiles {
namespace {

using datatest::json;

TEST(KeyListSection, ThreeBytesPackHighToLow) {
    EXPECT_EQ(packed_assignment({0, 0x02, 0x00, 0x1E}), 131102);
    EXPECT_EQ(packed_assignment({0, 0xFF, 0xFF, 0xFF}), 0xFFFFFF);
    EXPECT_EQ(unpack_assignment(131102, 7), (AssignmentGroup{7, 0x02, 0x00, 0x1E}));
    // Bits above the three bytes are no part of the code.
    EXPECT_EQ(unpack_assignment(0x1FF0102, 0), (AssignmentGroup{0, 0xFF, 0x01, 0x02}));
    EXPECT_EQ(unpack_assignment(-1, 0), (AssignmentGroup{0, 0xFF, 0xFF, 0xFF}));
}

TEST(KeyListSection, EntriesHoldFnNormalAndFactoryGroupsOfTheirKey) {
    const auto keys = decode_key_list(json(R"({"KeyList": [
        {"Assignment": 131102, "FnAssignment": 65793, "DefaultAssignment": 4},
        {"Assignment": 5}]})"));
    ASSERT_EQ(keys.size(), 2u);
    EXPECT_EQ(keys[0].normal, (AssignmentGroup{0, 0x02, 0x00, 0x1E}));
    EXPECT_EQ(keys[0].fn, (AssignmentGroup{0, 0x01, 0x01, 0x01}));
    EXPECT_EQ(keys[0].factory, (AssignmentGroup{0, 0, 0, 4}));
    EXPECT_EQ(keys[1].normal, (AssignmentGroup{1, 0, 0, 5}));
    EXPECT_EQ(keys[1].fn, (AssignmentGroup{1, 0, 0, 0}));
    EXPECT_TRUE(decode_key_list(json(R"({"KeyList": null})")).empty());
}

TEST(KeyListSection, WritingSetsNormalAndFnButKeepsTheFactoryCode) {
    Json::Value section = json(R"({"KeyList": [
        {"Assignment": 1, "FnAssignment": 2, "DefaultAssignment": 3}, "broken"]})");
    std::vector<KeyEntry> keys(3);
    keys[0].normal = {0, 0x02, 0x00, 0x1E};
    keys[0].fn = {0, 0x70, 0x01, 0x00};
    keys[0].factory = {0, 0, 0, 99};
    keys[2].normal = {2, 0, 0, 4};
    encode_key_list(section, keys);

    EXPECT_EQ(section["KeyList"], json(R"([
        {"Assignment": 131102, "FnAssignment": 7340288, "DefaultAssignment": 3},
        {"Assignment": 0, "FnAssignment": 0},
        {"Assignment": 4, "FnAssignment": 0}])"));
}

}  // namespace
}  // namespace ilmo::profiles
