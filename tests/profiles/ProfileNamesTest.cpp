#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "profiles/ProfileNames.h"
#include "profiles/ProfileNamesFold.h"
#include "profiles/Utf8.h"

namespace ilmo::profiles {
namespace {

TEST(ProfileNames, CaseIsIgnoredInEveryScriptWithCase) {
    for (const auto& [upper, lower] :
         std::vector<std::pair<std::string, std::string>>{{"PROFILE1", "profile1"},
                                                          {"ÄRGER ŁÓDŹ", "ärger łódź"},
                                                          {"ПРОФИЛЬ Ёж", "профиль ёж"},
                                                          {"ΣΟΦΊΑ ΟΔΟΣ", "σοφία οδος"},
                                                          {"ＡＢＣ", "ａｂｃ"},
                                                          {"VIỆT", "việt"}}) {
        EXPECT_TRUE(same_name(upper, lower)) << upper;
    }
    EXPECT_FALSE(same_name("×", "÷"));  // the multiplication sign has no lower case
    EXPECT_FALSE(same_name("a", "á"));
    EXPECT_FALSE(same_name("配置", "配置2"));
}

TEST(ProfileNames, BrokenUtf8NeverEqualsValidOrOtherBrokenText) {
    const std::string ff("a\xFF", 2), fe("a\xFE", 2), overlong("\xC0\xAF", 2);
    EXPECT_TRUE(same_name(ff, ff));
    EXPECT_FALSE(same_name(ff, fe));
    EXPECT_FALSE(same_name(ff, "a\uFFFD"));
    EXPECT_FALSE(same_name(overlong, "/"));
    EXPECT_FALSE(same_name(std::string("\xED\xA0\x80", 3), std::string("\xED\xA0\x81", 3)));
    EXPECT_FALSE(is_valid_utf8(std::string("\xF4\x90\x80\x80", 4)));  // above U+10FFFF
    // A cut sequence does not swallow the valid text after it.
    EXPECT_EQ(fold_name(std::string("\xE2\x82"
                                    "A",
                                    3))
                  .back(),
              U'a');
}

TEST(ProfileNames, MalformedUtf8BecomesOneReplacementPerByte) {
    const std::string r = "\xEF\xBF\xBD";
    EXPECT_EQ(to_valid_utf8("a\xFF"
                            "b \xE5\xAE\x8F"),
              "a" + r + "b \xE5\xAE\x8F");
    EXPECT_EQ(to_valid_utf8("cut \xE5\xAE"), "cut " + r + r);
    EXPECT_EQ(to_valid_utf8("\xC0\xAF"), r + r);                  // overlong '/'
    EXPECT_EQ(to_valid_utf8("\xED\xA0\x80"), r + r + r);          // surrogate
    EXPECT_EQ(to_valid_utf8("\xF4\x90\x80\x80"), r + r + r + r);  // above U+10FFFF
}

TEST(ProfileNames, NewCopyAndImportNamesAvoidTakenNamesIgnoringCase) {
    EXPECT_EQ(next_new_profile_name({}), "profile1");
    EXPECT_EQ(next_new_profile_name({"profile1", "profile3"}), "profile2");
    EXPECT_EQ(next_new_profile_name({"PROFILE1"}), "profile2");
    EXPECT_EQ(copy_profile_name({"A"}, "A"), "A copy");
    EXPECT_EQ(copy_profile_name({"A", "a COPY"}, "A"), "A copy copy");
    EXPECT_EQ(import_profile_name({"profile1"}, "x"), "x");
    EXPECT_EQ(import_profile_name({"x"}, "x"), "x(1)");
    EXPECT_EQ(import_profile_name({"x", "X(1)"}, "x"), "x(1)(2)");
    EXPECT_EQ(import_profile_name({"x", "x(2)"}, "x"), "x(1)");

    std::vector<std::string> many;
    for (int n = 1; n <= 100000; ++n) many.push_back("PROFILE" + std::to_string(n));
    EXPECT_EQ(next_new_profile_name(many), "profile100001");
}

TEST(ProfileNames, RenameRules) {
    const std::vector<std::string> names{"Gaming", "Work", "Ёлка"};
    EXPECT_EQ(check_rename(names, 0, "   "), RenameCheck::Blank);
    EXPECT_EQ(static_cast<int>(check_rename(names, 0, " \t ")), 2);
    EXPECT_EQ(check_rename(names, 0, "GAMING"), RenameCheck::Accepted);  // its own name
    EXPECT_EQ(static_cast<int>(check_rename(names, 0, "work")), 0);
    EXPECT_EQ(check_rename(names, 1, "ёЛКА"), RenameCheck::Taken);
    EXPECT_EQ(check_rename(names, 1, " Work "), RenameCheck::Accepted);  // spaces count
}

}  // namespace
}  // namespace ilmo::profiles
