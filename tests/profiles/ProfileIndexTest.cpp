#include <gtest/gtest.h>

#include <string>

#include "profiles/JsonFile.h"
#include "profiles/ProfileIndex.h"
#include "profiles/ProfileListDocuments.h"

namespace ilmo::profiles {
namespace {

ProfileIndexView read_text(const std::string& text) {
    return read_profile_index(parse_json(text));
}

TEST(ProfileIndex, DocumentsOfTheWrongShapeReadAsEmpty) {
    for (const char* text :
         {"", "null", "[]", "42", "{}", R"([{"profilelist":[]}])", R"({"profilelist":{}})",
          R"({"profilelist":"a"})", R"({"profilelist":[{"profilename":"a","profileUUID":"b")"}) {
        EXPECT_TRUE(read_text(text).entries.empty()) << text;
        EXPECT_EQ(read_text(text).selected, 0) << text;
    }
}

TEST(ProfileIndex, EntriesThatNameNoUsableDocumentAreDropped) {
    const ProfileIndexView view = read_text(R"({"profilelist":[
        7, null, "profile", [], {}, {"profilename":"no id"}, {"profileUUID":12},
        {"profileUUID":""}, {"profileUUID":"../../.bashrc"}, {"profileUUID":".."},
        {"profileUUID":"a\u0000b"}, {"profilename":"kept","profileUUID":"id_1"},
        {"profilename":"twin","profileUUID":"id_1"}, {"profilename":42,"profileUUID":"id_2"}],
        "profileselect":13})");
    ASSERT_EQ(view.entries.size(), 2u);
    EXPECT_EQ(view.entries[0], (ProfileEntry{"kept", "id_1"}));
    // A name that is not text shows the identifier, so the profile stays reachable.
    EXPECT_EQ(view.entries[1], (ProfileEntry{"id_2", "id_2"}));
    EXPECT_EQ(view.dropped, 12);
    EXPECT_EQ(view.selected, 1);  // the selection follows its entry past the dropped ones
    EXPECT_FALSE(is_plain_identifier(std::string("id_\xFF", 4)));
    EXPECT_FALSE(is_plain_identifier(std::string(251, 'a')));
    EXPECT_TRUE(is_plain_identifier("配置_1"));
}

TEST(ProfileIndex, SelectionFallsBackToTheFirstUnlessItNamesAKeptEntry) {
    const std::string list =
        R"({"profilelist":[{"profileUUID":"a"},{"profileUUID":"b"},{"profileUUID":"c"}])";
    for (const char* select :
         {"-5", "10000", "3", "\"2\"", "1.5", "true", "null", "[1]", "4294967298", "-2147483649"}) {
        EXPECT_EQ(read_text(list + ",\"profileselect\":" + select + "}").selected, 0) << select;
    }
    EXPECT_EQ(read_text(list + ",\"profileselect\":2.0}").selected, 2);
    EXPECT_EQ(read_text(R"({"profilelist":[1,{"profileUUID":"a"}],"profileselect":0})").selected,
              0);
}

TEST(ProfileListDocuments, IdentityKeysAndImportCheck) {
    const Json::Value kept = with_identity(
        parse_json(R"({"Device":[{"a":1}],"profilename":"old","profileUUID":"o"})"), "n", "i");
    EXPECT_EQ(kept["profilename"].asString() + kept["profileUUID"].asString(), "ni");
    EXPECT_EQ(kept["Device"][0]["a"].asInt(), 1);
    for (const char* stray : {"null", "[1,2]", "\"text\""})
        EXPECT_EQ(with_identity(parse_json(stray), "n", "i").size(), 2u) << stray;

    EXPECT_TRUE(is_profile_document(parse_json(R"({"profilename":0,"profileUUID":[]})")));
    for (const char* text :
         {"null", "[]", R"({"profilename":"a"})", R"({"profilename":"a","profileUUID":null})"}) {
        EXPECT_FALSE(is_profile_document(parse_json(text))) << text;
    }
}

TEST(ProfileListDocuments, HeadsetEqualiserPresetsAreCarriedOver) {
    const Json::Value old = parse_json(
        R"({"Device":[{"CustomEQNameInfo":["Mine"],"CustomEQHzValueInfo":[[1,2]],"Vol":9}]})");
    const Json::Value fresh = parse_json(
        R"({"Device":[{"CustomEQNameInfo":["Flat"],"CustomEQHzValueInfo":[[0,0]],"Vol":5}]})");
    const Json::Value reset = with_custom_equaliser(fresh, old);
    EXPECT_EQ(reset["Device"][0]["CustomEQNameInfo"][0].asString(), "Mine");
    EXPECT_EQ(reset["Device"][0]["CustomEQHzValueInfo"][0][1].asInt(), 2);
    EXPECT_EQ(reset["Device"][0]["Vol"].asInt(), 5);
    // Without a default document the presets still survive.
    EXPECT_EQ(with_custom_equaliser(with_identity({}, "n", "i"), old)["Device"][0],
              parse_json(R"({"CustomEQNameInfo":["Mine"],"CustomEQHzValueInfo":[[1,2]]})"));
    // Nothing to carry, or nowhere to put it: the fresh document is left as it is.
    for (const char* from : {"null", R"({"Device":{}})", R"({"Device":[5]})", R"({"Device":[{}]})"})
        EXPECT_EQ(with_custom_equaliser(fresh, parse_json(from)), fresh) << from;
    for (const char* into : {R"({"Device":7})", R"({"Device":[5]})", "[]"})
        EXPECT_EQ(with_custom_equaliser(parse_json(into), old), parse_json(into)) << into;
}

}  // namespace
}  // namespace ilmo::profiles
