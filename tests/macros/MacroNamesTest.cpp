#include <gtest/gtest.h>

#include "macros/MacroNames.h"

namespace ilmo::macros {
namespace {

TEST(MacroNames, NewNameSkipsTakenOnesIgnoringCase) {
    EXPECT_EQ(new_macro_name({"macro_1", "MACRO_2"}), "macro_3");
    // macro_2 is met before macro_1 frees the way: the search must start over after each step.
    EXPECT_EQ(new_macro_name({"Macro_2", "macro_1"}), "macro_3");
    EXPECT_EQ(new_macro_name({"macro_2"}), "macro_1");
}

TEST(MacroNames, ImportedNameGrowsOneSuffixPerClash) {
    EXPECT_EQ(imported_macro_name("A", {"a"}), "A_1");
    EXPECT_EQ(imported_macro_name("A", {"A_1", "A"}), "A_1_2");
}

TEST(MacroNames, NamesFoldLikeProfileNamesAndRenameSkipsItself) {
    EXPECT_TRUE(name_taken({"\xC3\x84rger"}, "\xC3\xA4RGER"));  // Ärger and äRGER are one name
    EXPECT_FALSE(name_taken({"one", "Two"}, "TWO", 1));
    EXPECT_TRUE(name_taken({"one", "Two"}, "TWO", 0));
}

}  // namespace
}  // namespace ilmo::macros
