#include <gtest/gtest.h>

#include "macros/MacroIndex.h"
#include "profiles/JsonFile.h"

namespace ilmo::macros {
namespace {

TEST(MacroIndex, BrokenEntriesKeepTheirPlaceInTheList) {
    // Positions are the numbers keys bind, so a broken entry must not shift the ones after.
    const auto macros = decode_macro_index(profiles::parse_json(R"({"MacroInfo": [
        {"MacroName": "a", "Guid": "1"}, 5, {"MacroName": 3, "Guid": ["x"]},
        {"MacroName": "d", "Guid": "4"}]})"));
    EXPECT_EQ(macros, (std::vector<MacroInfo>{{"a", "1"}, {"", ""}, {"", ""}, {"d", "4"}}));
}

TEST(MacroIndex, IdentifiersThatCannotNameAFileHereAreDropped) {
    const auto macros = decode_macro_index(profiles::parse_json(R"({"MacroInfo": [
        {"Guid": "../../escape"}, {"Guid": ".."}, {"Guid": "/etc/passwd"}, {"Guid": "a\\b"}]})"));
    ASSERT_EQ(macros.size(), 4u);
    for (const MacroInfo& macro : macros) EXPECT_EQ(macro.guid, "");
    // Bytes the writer would turn into U+FFFD: the rewritten index would lose the file.
    EXPECT_FALSE(is_usable_identifier("2024\xFF"));
    EXPECT_TRUE(is_usable_identifier("2024_01_01_00_00_00_000"));
}

}  // namespace
}  // namespace ilmo::macros
