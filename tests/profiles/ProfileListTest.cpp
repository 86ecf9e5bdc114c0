#include <gtest/gtest.h>

#include <set>
#include <string>

#include "ProfileListFixture.h"

namespace ilmo::profiles::testing {
namespace {

using Outcome = ProfileOutcome;
using Names = std::vector<std::string>;
using ProfileListTest = ProfileListFixture;

TEST_F(ProfileListTest, FirstStartMakesTheFolderTheIndexAndTheFirstDocument) {
    ProfileList list = make_list();
    EXPECT_EQ(list.initialise().outcome, Outcome::Done);
    EXPECT_EQ(list.selected(), 0);
    EXPECT_EQ(profile_names(list.entries()), Names{"profile1"});
    const std::string id = list.current_identifier();
    EXPECT_EQ(id, format_timestamp_id(to_local_time(fixed_instant())));
    EXPECT_EQ(read_text(folder_ / "ProfileList.ini"),
              "{\n   \"profilelist\" : [\n      {\n"
              "         \"profileUUID\" : \"" +
                  id +
                  "\",\n"
                  "         \"profileislink\" : 0,\n"
                  "         \"profilelinkmame\" : \"\",\n"
                  "         \"profilename\" : \"profile1\"\n"
                  "      }\n   ],\n   \"profileselect\" : 0\n}\n");
    Json::Value expected = default_;
    expected["profilename"] = "profile1";
    expected["profileUUID"] = id;
    EXPECT_EQ(read_text(folder_ / (id + ".Json")), styled_json(expected));
    EXPECT_EQ(snapshot(folder_).size(), 2u);
}

TEST_F(ProfileListTest, StartKeepsTheListAndMendsItsSelection) {
    for (const auto& [select, expected] : {std::pair{"2", 2}, {"-5", 0}, {"10000", 0}}) {
        write_index_text(std::string(R"({"profilelist":[{"profilename":"a","profileUUID":"a"},
            {"profilename":"b","profileUUID":"b"},{"profilename":"c","profileUUID":"c"}],
            "profileselect":)") +
                         select + "}");
        ProfileList list = make_list();
        EXPECT_TRUE(list.initialise().done());
        EXPECT_EQ(profile_names(list.entries()), (Names{"a", "b", "c"}));
        EXPECT_EQ(list.selected(), expected) << select;
        EXPECT_EQ(stored_selection(), expected) << select;
        EXPECT_EQ(list.document_path(1), folder_ / "b.Json");
    }
}

TEST_F(ProfileListTest, UnusableIndexIsRebuiltAndTheOldFileKept) {
    for (const std::string& text :
         {std::string(), std::string(R"({"profilelist":[{"profilename":"a","profileUUID":)"),
          std::string("[1,2]"), std::string(R"({"profilelist":{},"profileselect":"x"})"),
          std::string(R"({"profilelist":[{"profilename":"a","profileUUID":"../../escape"}]})"),
          std::string("\xFF\xFE\x00\x01", 4)}) {
        std::filesystem::remove_all(folder_);
        write_index_text(text);
        ProfileList list = make_list();
        EXPECT_TRUE(list.initialise().done()) << text;
        EXPECT_EQ(profile_names(list.entries()), Names{"profile1"}) << text;
        EXPECT_EQ(document_of(list, 0)["Device"], default_["Device"]);
        const auto files = snapshot(folder_);
        const auto kept = files.find("ProfileList.ini.unreadable");
        EXPECT_EQ(kept == files.end() ? std::string() : kept->second, text);
    }
}

TEST_F(ProfileListTest, NewProfileTakesTheFirstFreeNameAndIsStoredForTheNextStart) {
    ProfileList list = started_list();
    add_profiles(list, 2);
    ASSERT_TRUE(list.remove(1).done());  // profile1, profile3 are left
    ASSERT_TRUE(list.select(0).done());
    EXPECT_EQ(list.add_new().index, 2);
    EXPECT_EQ(profile_names(list.entries()), (Names{"profile1", "profile3", "profile2"}));
    EXPECT_EQ(stored_selection(), 2);
    EXPECT_EQ(list.selected(), 0);  // the profile in use stays loaded
    EXPECT_EQ(document_of(list, 2)["profilename"].asString(), "profile2");
    EXPECT_EQ(document_of(list, 2)["profileUUID"].asString(), list.entries()[2].identifier);

    ASSERT_TRUE(list.rename(0, "PROFILE1").done());
    ASSERT_TRUE(list.remove(2).done());
    ASSERT_TRUE(list.add_new().done());
    EXPECT_EQ(list.entries().back().name, "profile2");
}

TEST_F(ProfileListTest, CopyAndImportAddNamedProfilesWithTheirContent) {
    ProfileList list = started_list();
    ASSERT_TRUE(list.rename(0, "A").done());
    Json::Value changed = document_of(list, 0);
    changed["Device"][0]["LightMode"] = 11;
    ASSERT_TRUE(write_json_file(list.document_path(0), changed));
    EXPECT_EQ(list.copy(0).index, 1);
    EXPECT_EQ(list.copy(0).index, 2);
    EXPECT_EQ(document_of(list, 2)["Device"][0]["LightMode"].asInt(), 11);
    EXPECT_EQ(document_of(list, 2)["profilename"].asString(), "A copy copy");

    const std::filesystem::path file = import_source("x");
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(list.import_file(file).done());
    EXPECT_EQ(profile_names(list.entries()),
              (Names{"A", "A copy", "A copy copy", "x", "x(1)", "x(1)(2)"}));
    EXPECT_EQ(document_of(list, 5)["Device"][0]["LightMode"].asInt(), 7);
    EXPECT_EQ(document_of(list, 5)["profileUUID"].asString(), list.entries()[5].identifier);
    EXPECT_EQ(stored_selection(), 0);
}

TEST_F(ProfileListTest, ImportOfSomethingElseDoesNothing) {
    ProfileList list = started_list();
    const auto before = snapshot(folder_);
    for (const char* text : {"", R"({"profilename":"a","profileUUID":)", R"([{"profilename":1}])",
                             R"({"profilename":"a","profileUUID":null})"}) {
        ASSERT_TRUE(write_file_atomically(root_ / "y.json", text));
        EXPECT_EQ(list.import_file(root_ / "y.json").outcome, Outcome::NotAProfile) << text;
    }
    EXPECT_EQ(list.import_file(root_ / "missing.json").outcome, Outcome::NotAProfile);
    EXPECT_EQ(snapshot(folder_), before);
}

TEST_F(ProfileListTest, FiftyFirstProfileIsRefusedAndNothingChanges) {
    ProfileList list = started_list();
    add_profiles(list, ProfileList::kMaxProfiles - 1);
    const std::filesystem::path file = import_source("x");
    const auto before = snapshot(folder_);
    for (const ProfileResult result : {list.add_new(), list.copy(0), list.import_file(file)})
        EXPECT_EQ(notice_key(result.outcome), "message_text_30");
    EXPECT_EQ(snapshot(folder_), before);
}

TEST_F(ProfileListTest, DeleteKeepsOneProfileAndSelectsTheOneBefore) {
    ProfileList list = started_list();
    EXPECT_EQ(list.remove(0).outcome, Outcome::LastProfile);
    add_profiles(list, 4);
    const std::filesystem::path first = list.document_path(0);
    EXPECT_EQ(list.remove(0).index, 0);
    EXPECT_EQ(stored_selection(), 0);
    EXPECT_FALSE(std::filesystem::exists(first));
    const std::string third = list.entries()[2].identifier;
    EXPECT_EQ(list.remove(3).index, 2);
    EXPECT_EQ(stored_selection(), 2);
    EXPECT_EQ(list.current_identifier(), third);
    EXPECT_EQ(snapshot(folder_).size(), 4u);  // the index and three documents
}

TEST_F(ProfileListTest, RenameRules) {
    ProfileList list = started_list();
    add_profiles(list, 1);
    const auto before = snapshot(folder_);
    EXPECT_EQ(notice_key(list.rename(0, "   ").outcome), "message_text_25");
    EXPECT_EQ(notice_key(list.rename(0, "Profile2").outcome), "message_text_5");
    EXPECT_EQ(list.rename(0, "").outcome, Outcome::Unchanged);
    EXPECT_EQ(snapshot(folder_), before);
    EXPECT_TRUE(list.rename(0, "profile1").done());
    EXPECT_TRUE(list.rename(1, "Ночь").done());
    EXPECT_EQ(list.rename(0, "НОЧЬ").outcome, Outcome::NameTaken);
    EXPECT_EQ(stored_index()["profilelist"][1]["profilename"].asString(), "Ночь");
    EXPECT_EQ(document_of(list, 1)["profilename"].asString(), "Ночь");
}

TEST_F(ProfileListTest, NamesAreComparedAsTheIndexWillStoreThem) {
    // The writer stores every malformed byte as U+FFFD: "a\xFF" and "a\uFFFD" are one name.
    ProfileList list = started_list();
    ASSERT_TRUE(list.rename(0, "a\uFFFD").done());
    EXPECT_EQ(list.import_file(import_source("a\xFF")).index, 1);
    EXPECT_EQ(list.rename(1, "A\xFE").outcome, Outcome::NameTaken);
    ProfileList reread = started_list();
    EXPECT_EQ(profile_names(reread.entries()), (Names{"a\uFFFD", "a\uFFFD(1)"}));
}

TEST_F(ProfileListTest, RenamingKeepsADocumentThatDoesNotRead) {
    ProfileList list = started_list();
    const std::string cut = read_text(list.document_path(0)).substr(0, 40);
    ASSERT_TRUE(write_file_atomically(list.document_path(0), cut));
    ASSERT_TRUE(list.rename(0, "Mine").done());
    EXPECT_EQ(read_text(list.document_path(0).string() + ".unreadable"), cut);
    EXPECT_EQ(document_of(list, 0)["profilename"].asString(), "Mine");
}

TEST_F(ProfileListTest, ResetRestoresDefaultsAndAHeadsetKeepsItsEqualiser) {
    for (const int kind : {7, 1}) {
        std::filesystem::remove_all(folder_);
        ProfileList list = started_list(kind);
        ASSERT_TRUE(list.rename(0, "Mine").done());
        Json::Value changed = document_of(list, 0);
        changed["Device"][0]["LightMode"] = 9;
        changed["Device"][0]["CustomEQNameInfo"][0] = "Bass";
        ASSERT_TRUE(write_json_file(list.document_path(0), changed));
        EXPECT_TRUE(list.reset(0).done());
        const Json::Value reset = document_of(list, 0);
        EXPECT_EQ(reset["Device"][0]["LightMode"].asInt(), 3) << kind;
        EXPECT_EQ(reset["profilename"].asString(), "Mine");
        EXPECT_EQ(reset["Device"][0]["CustomEQNameInfo"][0].asString(),
                  kind == 7 ? "Bass" : "Flat");
    }
}

TEST_F(ProfileListTest, ExportWritesTheDocumentUnlessItIsGone) {
    ProfileList list = started_list();
    add_profiles(list, 1);
    EXPECT_TRUE(list.export_to(0, root_ / "mine.json").done());
    EXPECT_EQ(read_text(root_ / "mine.json"), read_text(list.document_path(0)));
    std::filesystem::remove(list.document_path(1));
    EXPECT_EQ(list.export_to(1, root_ / "gone.json").outcome, Outcome::Unreadable);
    EXPECT_EQ(list.export_to(0, root_ / "no" / "x.json").outcome, Outcome::WriteFailed);
    EXPECT_EQ(list.export_to(2, root_ / "x.json").outcome, Outcome::NoSuchProfile);
}

TEST_F(ProfileListTest, IdentifiersNeverRepeatWithinAMillisecond) {
    // A stray document the list no longer names, with the identifier the clock gives now.
    const std::string now_id = format_timestamp_id(to_local_time(fixed_instant()));
    write_index_text("");
    ASSERT_TRUE(write_file_atomically(folder_ / (now_id + ".Json"), "stray"));
    ProfileList first = started_list();
    add_profiles(first, 2);
    // A second page of the same model, with its own identifier source on the same clock;
    // it also sees the first page's changes.
    TimestampIdSource other_source{fixed_instant};
    ProfileList second(folder_, default_document_, 1, other_source);
    ASSERT_TRUE(second.initialise().done());
    ASSERT_TRUE(second.add_new().done());
    EXPECT_EQ(second.entries().back().name, "profile4");

    std::set<std::string> identifiers{now_id};
    for (const ProfileEntry& entry : second.entries()) identifiers.insert(entry.identifier);
    EXPECT_EQ(identifiers.size(), 5u);
    EXPECT_EQ(read_text(folder_ / (now_id + ".Json")), "stray");
}

TEST_F(ProfileListTest, HostileButReadableIndexesKeepWorking) {
    Json::Value index(Json::objectValue);
    for (int i = 0; i < 100000; ++i)
        index["profilelist"].append(make_profile_entry({"p", "id_" + std::to_string(i)}));
    index["profileselect"] = 99999;
    write_index_text(styled_json(index));
    ProfileList huge = make_list();
    EXPECT_TRUE(huge.initialise().done());
    EXPECT_EQ(huge.selected(), 99999);
    EXPECT_EQ(huge.add_new().outcome, Outcome::LimitReached);

    write_index_text(
        "{\"profilelist\":[{\"profilename\":\"\xFF\xC3\",\"profileUUID\":\"a\"},"
        "{\"profilename\":\"ok\",\"profileUUID\":\"b\"}]}");
    ProfileList broken_names = make_list();
    ASSERT_TRUE(broken_names.initialise().done());
    // Both names are stored as two U+FFFD.
    EXPECT_EQ(broken_names.rename(1, std::string("\xFE\xFF", 2)).outcome, Outcome::NameTaken);
    EXPECT_TRUE(broken_names.copy(0).done());
    EXPECT_EQ(broken_names.profile_count(), 3);
}

}  // namespace
}  // namespace ilmo::profiles::testing
