#include <gtest/gtest.h>

#include "macros/MacroDocument.h"
#include "profiles/JsonFile.h"

namespace ilmo::macros {
namespace {

TEST(MacroDocument, RowsHoldTheFourMembersOfEachEventObject) {
    Json::Value file = profiles::parse_json(R"({"Events": [
        {"Action": "down", "Type": 10, "Button": 4, "Delay": "35"}, 7, null,
        {"Action": "up", "Type": 10, "Delay": 12, "Extra": 1}]})");
    // The writer cuts member names at a NUL, which would turn this one into "Button".
    file["Events"][3][std::string("Button\0x", 8)] = 9;
    const auto rows = event_rows(file);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].delay_text, "35");
    EXPECT_EQ(rows[1].delay_text, "12");
    EXPECT_EQ(profiles::parse_json(rows[1].event_json),
              profiles::parse_json(R"({"Action":"up","Type":10,"Button":0,"Delay":"12"})"));
}

TEST(MacroDocument, UnparsableRowsAreLeftOutWithoutLeavingGaps) {
    const std::string a = R"({"Action":"down","Button":1,"Type":1})";
    const std::string b = R"({"Action":"up","Button":1,"Type":1})";
    const auto save =
        macro_document_from_rows("m", "g", {{a, "1"}, {"{not json", "2"}, {"17", "3"}, {b, "4"}});
    const Json::Value& events = save.document["Events"];
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[1]["Action"], Json::Value("up"));
    EXPECT_EQ(save.rows[1].event_json, "{not json");
    EXPECT_FALSE(macro_document_from_rows("m", "g", {}).document.isMember("Events"));
}

}  // namespace
}  // namespace ilmo::macros
