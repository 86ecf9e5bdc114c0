#include <gtest/gtest.h>

#include "MacroListFixture.h"
#include "macros/KeyListFixUp.h"

namespace ilmo::macros {
namespace {

int macro_code(int index) {
    return 0x70 << 16 | index << 8 | 1;
}
const int kDefaultA = 0x200004;
const int kDefaultB = 0x200005;

// Key 0 binds macro 3 normally and macro 2 on the Fn layer; key 1 binds macro 2 normally.
Json::Value key_list() {
    Json::Value keys(Json::arrayValue);
    keys[0]["Assignment"] = macro_code(3);
    keys[0]["FnAssignment"] = macro_code(2);
    keys[0]["DefaultAssignment"] = kDefaultA;
    keys[1]["Assignment"] = macro_code(2);
    keys[1]["FnAssignment"] = kDefaultB;
    keys[1]["DefaultAssignment"] = kDefaultB;
    return keys;
}

class MacroDelete : public testing::MacroListFixture {
protected:
    MacroDelete() {
        given_macros({"m0", "m1", "m2", "m3", "m4"});
        for (int i = 0; i < 5; ++i) write(macro_file("id" + std::to_string(i)), "{}");
        for (const auto& path : others) {
            Json::Value profile;
            profile["profilename"] = path.stem().string();
            profile["Device"][0]["KeyList"] = key_list();
            profiles::write_json_file(path, profile);
        }
    }

    const std::vector<std::filesystem::path> others{profile_folder() / "p1.Json",
                                                    profile_folder() / "p2.Json"};
    Json::Value current = key_list();
};

TEST_F(MacroDelete, MacroTwoOfFiveRenumbersEveryProfile) {
    list.select(2);
    const DeleteOutcome outcome = list.delete_macro(2, others, current);
    EXPECT_EQ(outcome.status, MacroStatus::Done);
    EXPECT_TRUE(outcome.failed_files.empty());

    for (const Json::Value& keys :
         {profile_key_list(profiles::read_json_file(others[0])),
          profile_key_list(profiles::read_json_file(others[1])), current}) {
        EXPECT_EQ(keys[0]["Assignment"].asInt(), macro_code(2));
        EXPECT_EQ(keys[0]["FnAssignment"].asInt(), kDefaultA);
        EXPECT_EQ(keys[1]["Assignment"].asInt(), kDefaultB);
    }
    EXPECT_TRUE(outcome.current_key_list_changed);

    EXPECT_FALSE(std::filesystem::exists(macro_file("id2")));
    EXPECT_TRUE(std::filesystem::exists(macro_file("id3")));
    const auto left = decode_macro_index(index_on_disk());
    ASSERT_EQ(left.size(), 4u);
    EXPECT_EQ(left[2], (MacroInfo{"m3", "id3"}));
    EXPECT_EQ(outcome.selected, 0);
    EXPECT_EQ(outcome.selected_name, "m0");
    EXPECT_EQ(list.selected(), 0);
}

TEST_F(MacroDelete, CancelAfterTheQuestionLeavesEveryProfileUnchanged) {
    // The question about the current profile comes before anything is written; a Cancel
    // means delete_macro is never called.
    const auto before = snapshot();
    ASSERT_TRUE(uses_macro(current, 2));
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(current, key_list());
}

TEST_F(MacroDelete, LastMacroLeavesNothingToRenumberOrSelect) {
    const auto before = snapshot();
    EXPECT_FALSE(list.delete_macro(4, others, current).current_key_list_changed);
    for (const auto& path : others) EXPECT_EQ(read(path), before.at(path));

    given_macros({"only"});
    const DeleteOutcome outcome = list.delete_macro(0, {}, current);
    EXPECT_EQ(std::tie(outcome.selected, outcome.selected_name),
              std::make_tuple(-1, std::string()));
    EXPECT_TRUE(decode_macro_index(index_on_disk()).empty());
    EXPECT_EQ(list.delete_macro(0, {}, current).status, MacroStatus::NothingSelected);
}

TEST_F(MacroDelete, ProfileThatCannotBeWrittenIsReportedAndTheRestGoOn) {
    // Readable, but too long a name for the temporary file beside it: the write fails even
    // for a user who may write anywhere.
    const auto stuck = profile_folder() / (std::string(240, 'p') + ".Json");
    Json::Value profile;
    profile["Device"][0]["KeyList"] = key_list();
    write(stuck, profiles::styled_json(profile));
    const std::string stuck_bytes = read(stuck);

    const DeleteOutcome outcome = list.delete_macro(2, {stuck, others[0]}, current);
    EXPECT_EQ(outcome.status, MacroStatus::WriteFailed);
    EXPECT_EQ(outcome.failed_files, std::vector<std::filesystem::path>{stuck});
    EXPECT_EQ(read(stuck), stuck_bytes);
    EXPECT_EQ(profile_key_list(profiles::read_json_file(others[0]))[1]["Assignment"].asInt(),
              kDefaultB);
    EXPECT_EQ(list.macros().size(), 4u);
}

TEST_F(MacroDelete, UnwritableIndexKeepsTheMacroAndEveryProfile) {
    const auto moved = outside("moved");
    std::filesystem::rename(profile_folder(), moved);
    const auto other = moved / "p1.Json";
    const std::string other_bytes = read(other);

    const DeleteOutcome outcome = list.delete_macro(2, {other}, current);
    EXPECT_EQ(outcome.status, MacroStatus::WriteFailed);
    EXPECT_EQ(outcome.failed_files.front(), index_file());
    EXPECT_EQ(read(other), other_bytes);
    EXPECT_EQ(current, key_list());
    EXPECT_EQ(list.macros().size(), 5u);
    EXPECT_TRUE(std::filesystem::exists(moved / "id2.mac"));
}

}  // namespace
}  // namespace ilmo::macros
