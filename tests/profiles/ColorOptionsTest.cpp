#include <gtest/gtest.h>

#include "ProfiledataFixture.h"
#include "profiles/ColorOptionFile.h"

namespace ilmo::profiles {
namespace {

using datatest::file_text;
using datatest::json;
using datatest::put_file;

TEST(ColorOptions, ColoursAreEightUpperCaseHexDigits) {
    EXPECT_EQ(color_hex(0xFF102030), "FF102030");
    EXPECT_EQ(color_hex(0x0000ABCD), "0000ABCD");
    EXPECT_EQ(parse_color_hex("FF102030"), 0xFF102030u);
    EXPECT_EQ(parse_color_hex("ff10a0"), 0x00FF10A0u);
    for (const char* bad : {"", "1FF102030", "FF10203G", "-1", "0x10"})
        EXPECT_FALSE(parse_color_hex(bad)) << bad;
}

TEST(ColorOptions, MergingTakesWhatIsUsableAndKeepsTheRest) {
    ColorOptions options = default_color_options();
    const ColorOptions defaults = options;
    merge_color_options(json(R"({"coloroptioninfo": {
        "palletDialogcoloroption": [{"color": "FF000001"}, {"color": 5}, {}],
        "palletDialogcoloroption_selectitem": 20,
        "palletDialogcollectcoloroption": [{"color": "FF102030", "UserData": "1"},
                                           {"color": "FF405060", "UserData": ""},
                                           {"UserData": "1"}],
        "palletDialogcollectcoloroption_selectitem": 0}})"),
                        options);
    EXPECT_EQ(options.presets[0], 0xFF000001u);
    EXPECT_EQ(options.presets[1], defaults.presets[1]);
    EXPECT_EQ(options.selected_preset, -1);
    EXPECT_EQ(options.collected[0], (CollectedSwatch{0xFF102030, true}));
    // Only a swatch marked as holding a colour shows it.
    EXPECT_EQ(options.collected[1], (CollectedSwatch{kEmptySwatchColor, false}));
    EXPECT_EQ(options.collected[2], CollectedSwatch{});
    EXPECT_EQ(options.selected_collected, 0);
}

class ColorOptionFileTest : public datatest::TempFolderTest {};

TEST_F(ColorOptionFileTest, SavingRewritesTheWholeListsAndKeepsUnknownKeys) {
    const auto folder = root_ / "ILMO RQ07";
    ColorOptionFile file(folder);
    EXPECT_FALSE(file.load());
    for (const CollectedSwatch& swatch : file.options().collected) EXPECT_FALSE(swatch.holds_color);

    put_file(file.path(), R"({"keep": 1, "coloroptioninfo": {"palletDialogcoloroption":
        [{"color": "FF000001"}, {"color": "FF000002"}, {"color": "FF000003"}]}})");
    ASSERT_TRUE(file.load());
    ColorOptions options = file.options();
    options.collected[3] = {0xFF102030, true};
    options.selected_collected = 3;
    options.selected_preset = 2;
    file.set_options(options);
    ASSERT_TRUE(file.save());

    const Json::Value stored = json(file_text(file.path()));
    EXPECT_EQ(stored["keep"].asInt(), 1);
    const Json::Value& info = stored["coloroptioninfo"];
    EXPECT_EQ(info["palletDialogcoloroption"].size(), kColorPresetCount);
    EXPECT_EQ(info["palletDialogcoloroption"][2]["color"].asString(), "FF000003");
    EXPECT_EQ(info["palletDialogcollectcoloroption"].size(), kCollectedSwatchCount);
    EXPECT_EQ(info["palletDialogcollectcoloroption"][3]["color"].asString(), "FF102030");
    EXPECT_EQ(info["palletDialogcollectcoloroption"][3]["UserData"].asString(), "1");
    EXPECT_EQ(info["palletDialogcollectcoloroption_selectitem"].asInt(), 3);

    ColorOptionFile reread(folder);
    ASSERT_TRUE(reread.load());
    EXPECT_EQ(reread.options(), options);
}

TEST_F(ColorOptionFileTest, AnUnreadableFileIsKeptAsideOnTheFirstSave) {
    ColorOptionFile file(root_);
    put_file(file.path(), "{\"coloroptioninfo\": [cut");
    EXPECT_FALSE(file.load());
    for (const CollectedSwatch& swatch : file.options().collected) EXPECT_FALSE(swatch.holds_color);
    EXPECT_EQ(file_text(file.path()), "{\"coloroptioninfo\": [cut");

    ASSERT_TRUE(file.save());
    EXPECT_EQ(file_text(root_ / "color_option_info.config.unreadable"), "{\"coloroptioninfo\": [cut");
    EXPECT_TRUE(json(file_text(file.path()))["coloroptioninfo"].isObject());
}

}  // namespace
}  // namespace ilmo::profiles
