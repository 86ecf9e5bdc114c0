#include <gtest/gtest.h>

#include "MacroListFixture.h"

namespace ilmo::macros {
namespace {

using MacroListHostile = testing::MacroListFixture;

const std::vector<std::string> kBrokenDocuments{
    "",
    "{\"MacroInfo\": [{\"MacroName\": \"cut",
    "[1, 2, 3]",
    "{\"MacroInfo\": {\"0\": {\"MacroName\": \"x\"}}}",
    "{\"Events\": [null, 1, \"x\", [], {\"Delay\": []}]}",
    "\xFF\xFE\x00\x01",
    std::string(100000, '['),  // deeper than the parser allows
};

TEST_F(MacroListHostile, BrokenIndexReadsAsEmptyAndNewStartsAFreshOne) {
    for (const std::string& bytes : kBrokenDocuments) {
        write(index_file(), bytes);
        list.load();
        EXPECT_TRUE(list.macros().empty()) << bytes.substr(0, 40);
    }
    write(outside("bystander.Json"), "{}");
    auto expected = snapshot();
    EXPECT_EQ(list.create().name, "macro_1");
    auto after = snapshot();
    after.erase(index_file());
    expected.erase(index_file());
    EXPECT_EQ(after, expected);
}

TEST_F(MacroListHostile, BrokenMacroFilesShowWhatTheyHoldAndAreNotWritten) {
    given_macros({"m"});
    for (const std::string& bytes : kBrokenDocuments) {
        write(macro_file("id0"), bytes);
        EXPECT_LE(list.select(0).rows.size(), 1u) << bytes.substr(0, 40);
        EXPECT_EQ(read(macro_file("id0")), bytes);
    }
}

TEST_F(MacroListHostile, AFileLongerThanTheEditorShowsIsNeverCutBySaving) {
    given_macros({"m"});
    const std::string event = "{\"Action\":\"down\",\"Type\":10,\"Button\":4,\"Delay\":\"1\"},";
    std::string events;
    for (size_t i = 0; i < kMaxLoadedEventRows; ++i) events += event;
    // As many events as the editor shows save as usual; one more, and the file stays whole.
    write(macro_file("id0"), "{\"Events\": [" + events + "{}]}");
    const std::string longest = read(macro_file("id0"));
    std::vector<EventRow> rows = list.select(0).rows;
    ASSERT_EQ(rows.size(), kMaxLoadedEventRows);
    const SaveOutcome refused = list.save_selected(rows, true);
    EXPECT_EQ(refused.status, MacroStatus::TooManyEvents);
    EXPECT_EQ(refused.notice_key, notice::kTooManyEvents);
    EXPECT_EQ(read(macro_file("id0")), longest);

    write(macro_file("id0"), "{\"Events\": [" + events.substr(0, events.size() - 1) + "]}");
    rows = list.select(0).rows;
    EXPECT_EQ(list.save_selected(rows, true).status, MacroStatus::Done);
    EXPECT_EQ(list.select(0).rows, rows);
}

TEST_F(MacroListHostile, IdentifierThatPointsOutsideTheFolderTouchesNothingThere) {
    write(outside("victim.mac"), "precious");
    write(index_file(), R"({"MacroInfo": [{"MacroName": "evil", "Guid": "../victim"},
                                          {"MacroName": "a", "Guid": "same"},
                                          {"MacroName": "b", "Guid": "same"}]})");
    write(macro_file("same"), "{}");
    list.load();
    EXPECT_FALSE(list.select(0).has_file_name);
    EXPECT_EQ(list.save_selected({}, false).status, MacroStatus::NothingSelected);
    Json::Value keys(Json::arrayValue);
    list.delete_macro(0, {}, keys);
    EXPECT_EQ(read(outside("victim.mac")), "precious");
    // A file two entries name stays while one of them is left.
    list.delete_macro(0, {}, keys);
    EXPECT_TRUE(std::filesystem::exists(macro_file("same")));
}

TEST_F(MacroListHostile, InvalidUtf8FileNameImportsUnderARepairedName) {
    list.load();
    write(outside("rec\xFFoil.mac"), "{}");
    EXPECT_EQ(list.import_macro(outside("rec\xFFoil.mac")).name, "rec\xEF\xBF\xBDoil");
    list.load();
    EXPECT_EQ(list.names(), std::vector<std::string>{"rec\xEF\xBF\xBDoil"});
}

TEST_F(MacroListHostile, MissingFolderIsReportedAndTheListStaysAsItWas) {
    std::filesystem::remove_all(profile_folder());
    list.load();
    const AddOutcome created = list.create();
    EXPECT_EQ(created.status, MacroStatus::WriteFailed);
    EXPECT_EQ(created.notice_key, notice::kWriteFailed);
    write(outside("A.mac"), "{}");
    const AddOutcome imported = list.import_macro(outside("A.mac"));
    EXPECT_EQ(imported.status, MacroStatus::WriteFailed);
    EXPECT_EQ(imported.notice_key, notice::kWriteFailed);
    EXPECT_TRUE(list.macros().empty());
    EXPECT_EQ(list.selected(), -1);
}

}  // namespace
}  // namespace ilmo::macros
