#include <gtest/gtest.h>

#include "MacroListFixture.h"

namespace ilmo::macros {
namespace {

using MacroList_ = testing::MacroListFixture;

TEST_F(MacroList_, NewTakesTheFirstFreeNameAndWritesOnlyTheIndex) {
    given_macros({"macro_1", "MACRO_2"});
    const AddOutcome added = list.create();
    EXPECT_EQ(added.name, "macro_3");
    EXPECT_EQ(added.index, 2);
    EXPECT_EQ(list.selected(), 2);
    const auto on_disk = decode_macro_index(index_on_disk());
    ASSERT_EQ(on_disk.size(), 3u);
    EXPECT_EQ(on_disk[2].name, "macro_3");
    EXPECT_FALSE(std::filesystem::exists(macro_file(on_disk[2].guid)));
    EXPECT_TRUE(list.select(2).rows.empty());
}

TEST_F(MacroList_, FiftyFirstNewAndImportAreRefusedWithTheirNotices) {
    list.load();
    for (int i = 0; i < 50; ++i) ASSERT_EQ(list.create().status, MacroStatus::Done) << i;
    write(outside("B.mac"), "{}");
    const auto before = snapshot();
    const AddOutcome new_refused = list.create();
    EXPECT_EQ(new_refused.status, MacroStatus::Limit);
    EXPECT_EQ(new_refused.notice_key, "message_text_17_1");
    const AddOutcome import_refused = list.import_macro(outside("B.mac"));
    EXPECT_EQ(import_refused.status, MacroStatus::Limit);
    EXPECT_EQ(import_refused.notice_key, "message_text_30");
    EXPECT_EQ(snapshot(), before);
}

TEST_F(MacroList_, TwoMacrosInTheSameMillisecondGetDifferentIdentifiers) {
    // A stray file already holds the identifier the frozen clock gives first.
    const std::string first = profiles::format_timestamp_id(profiles::to_local_time(frozen_time()));
    write(macro_file(first), "keep me");
    list.load();
    list.create();
    list.create();
    // The folder loaded again with a fresh identifier source (a restart within the same
    // millisecond): neither macro has a file yet, only the index tells their identifiers.
    profiles::TimestampIdSource other_ids{frozen_time};
    MacroList other{profile_folder(), other_ids};
    other.load();
    other.create();
    const auto macros = decode_macro_index(index_on_disk());
    ASSERT_EQ(macros.size(), 3u);
    EXPECT_NE(macros[0].guid, first);
    EXPECT_NE(macros[0].guid, macros[1].guid);
    EXPECT_NE(macros[2].guid, macros[0].guid);
    EXPECT_NE(macros[2].guid, macros[1].guid);
    EXPECT_EQ(read(macro_file(first)), "keep me");
}

TEST_F(MacroList_, RenameRefusalsCarryTheirIndexTextAndNotice) {
    given_macros({"one", "two"});
    list.select(1);
    const std::string before = read(index_file());
    const RenameOutcome empty = list.rename_selected("");
    EXPECT_EQ(std::tie(empty.index, empty.text), std::make_tuple(-1, std::string("Empty")));
    EXPECT_TRUE(empty.notice_key.empty());
    const RenameOutcome blank = list.rename_selected(" \t ");
    EXPECT_EQ(std::tie(blank.index, blank.text), std::make_tuple(-1, std::string("IsEmpty")));
    EXPECT_EQ(blank.notice_key, "message_text_25");
    const RenameOutcome taken = list.rename_selected("ONE");
    EXPECT_EQ(std::tie(taken.index, taken.text), std::make_tuple(1, std::string()));
    EXPECT_EQ(taken.notice_key, "message_text_5");
    EXPECT_EQ(read(index_file()), before);
}

TEST_F(MacroList_, RenameChangesTheIndexAndTheFileFollowsAtTheNextSave) {
    given_macros({"one", "two"});
    list.select(1);
    list.save_selected(key_rows(2), false);
    // The macro's own name in another case is no clash.
    const RenameOutcome renamed = list.rename_selected("TWO");
    EXPECT_EQ(std::tie(renamed.index, renamed.text), std::make_tuple(1, std::string("TWO")));
    EXPECT_EQ(decode_macro_index(index_on_disk())[1].name, "TWO");
    EXPECT_EQ(profiles::read_json_file(macro_file("id1"))["MacroName"], Json::Value("two"));
    list.save_selected(key_rows(2), false);
    EXPECT_EQ(profiles::read_json_file(macro_file("id1"))["MacroName"], Json::Value("TWO"));
}

TEST_F(MacroList_, SaveWritesTheRowsThatSelectingLoadsAgain) {
    given_macros({"m"});
    EXPECT_EQ(list.save_selected(key_rows(1), false).status, MacroStatus::NothingSelected);
    list.select(0);
    const SaveOutcome saved =
        list.save_selected({key_row("down", 4, ""), key_row("up", 4, "120")}, false);
    EXPECT_EQ(saved.status, MacroStatus::Done);
    EXPECT_EQ(saved.rows[0].delay_text, "0");
    const Json::Value file = profiles::read_json_file(macro_file("id0"));
    EXPECT_EQ(file["Version"], Json::Value(64));
    EXPECT_EQ(file["Guid"], Json::Value("id0"));
    EXPECT_EQ(file["Events"][0]["Delay"], Json::Value("0"));
    EXPECT_EQ(profiles::parse_json(saved.rows[0].event_json)["Delay"], Json::Value("0"));
    EXPECT_EQ(list.select(0).rows, saved.rows);
}

TEST_F(MacroList_, TwoHundredFiftyEventsWarnAndTheQuietFlagIsConsumedOnce) {
    given_macros({"m"});
    list.select(0);
    EXPECT_TRUE(list.save_selected(key_rows(249), false).notice_key.empty());
    EXPECT_EQ(list.save_selected(key_rows(250), false).notice_key, "message_text_17");
    EXPECT_TRUE(list.save_selected(key_rows(250), true).notice_key.empty());
    EXPECT_EQ(list.save_selected(key_rows(250), false).notice_key, "message_text_17");
    // A quiet save of a short macro keeps the flag for the next long one.
    list.save_selected(key_rows(3), true);
    EXPECT_TRUE(list.save_selected(key_rows(251), false).notice_key.empty());
    EXPECT_EQ(list.save_selected(key_rows(251), false).notice_key, "message_text_17");
}

TEST_F(MacroList_, ImportNamesAfterTheFileAndCopiesItsBytes) {
    list.load();
    const std::string bytes = "{ \"Events\" : [ ], not even JSON";
    write(outside("A.mac"), bytes);
    EXPECT_EQ(list.import_macro(outside("A.mac")).name, "A");
    EXPECT_EQ(list.import_macro(outside("A.mac")).name, "A_1");
    const AddOutcome third = list.import_macro(outside("A.mac"));
    EXPECT_EQ(std::tie(third.name, third.index), std::make_tuple(std::string("A_1_2"), 2));
    EXPECT_EQ(list.selected(), 2);
    EXPECT_EQ(read(macro_file(list.macros()[2].guid)), bytes);

    const auto before = snapshot();
    EXPECT_EQ(list.import_macro("").status, MacroStatus::NoPath);
    EXPECT_EQ(list.import_macro(outside("none.mac")).status, MacroStatus::SourceUnreadable);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(MacroList_, ExportCopiesTheSelectedFileAsItIs) {
    given_macros({"m"});
    write(macro_file("id0"), "{\"odd\" : true}\r\n");
    EXPECT_EQ(list.export_selected(outside("out.mac")), MacroStatus::NothingSelected);
    list.select(0);
    EXPECT_EQ(list.export_selected(""), MacroStatus::NoPath);
    EXPECT_EQ(list.export_selected(outside("out.mac")), MacroStatus::Done);
    EXPECT_EQ(read(outside("out.mac")), "{\"odd\" : true}\r\n");
    EXPECT_EQ(list.export_selected(outside("no-folder") / "out.mac"), MacroStatus::WriteFailed);
}

}  // namespace
}  // namespace ilmo::macros
