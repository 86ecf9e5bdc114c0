#include <gtest/gtest.h>

#include <string>

#include "ProfiledataFixture.h"
#include "profiles/ConfigLists.h"

namespace ilmo::profiles {
namespace {

using datatest::put_file;

// Twelve modes for table 2, the sixth of them not offered; one mode for the other tables.
std::string default_light_json() {
    std::string table2;
    for (int i = 0; i < 12; ++i) {
        if (i) table2 += ",";
        table2 += R"({"LightName": "mode_)" + std::to_string(i) + R"(", "visible": )" +
                  (i == 5 ? "false" : "true") + R"(, "value": )" + std::to_string(i + 100) + "}";
    }
    const std::string one = R"([{"LightName": "only", "visible": true, "value": 1}])";
    return R"({"DefaultLightName": [)" + one + "," + one + ",[" + table2 + R"(]],
               "AreaLightName": [[], [], [{"LightName": "left"}, {"LightName": "right"}]]})";
}

class ConfigListsTest : public datatest::TempFolderTest {
protected:
    ConfigLists lists_for(device::ControllerKind kind, size_t table) {
        return ConfigLists({root_ / "profile", root_ / "DefaultData",
                            std::string(macro_list_file_name(kind)), table});
    }
};

TEST_F(ConfigListsTest, ModesAndAreasOfThePagesLightingTable) {
    put_file(root_ / "DefaultData" / "default_light.json", default_light_json());
    ConfigLists lists = lists_for(device::ControllerKind::MousePad, 2);
    lists.load();
    ASSERT_EQ(lists.modes().size(), 12u);
    int offered = 0;
    for (const BuiltinMode& mode : lists.modes()) offered += mode.visible;
    EXPECT_EQ(offered, 11);
    EXPECT_EQ(lists.modes()[5], (BuiltinMode{"mode_5", false, 105}));
    EXPECT_EQ(lists.area_names(), (std::vector<std::string>{"left", "right"}));
}

TEST_F(ConfigListsTest, EachKindReadsItsOwnMacroList) {
    put_file(root_ / "profile" / "macro.config",
             R"({"MacroInfo": [{"MacroName": "Reload", "Guid": "a"}, {"MacroName": "宏"}]})");
    ConfigLists keyboard = lists_for(device::ControllerKind::Keyboard, 0);
    keyboard.load();
    EXPECT_EQ(keyboard.macro_names(), (std::vector<std::string>{"Reload", "宏"}));

    ConfigLists headset = lists_for(device::ControllerKind::Headset, 0);
    headset.load();
    EXPECT_TRUE(headset.macro_names().empty());
    put_file(root_ / "profile" / "pelko_macro.config", R"({"MacroInfo": [{"MacroName": "P"}]})");
    headset.load();
    EXPECT_EQ(headset.macro_names(), std::vector<std::string>{"P"});
    EXPECT_EQ(macro_list_file_name(device::ControllerKind::Mouse), "macro.config");
    EXPECT_EQ(macro_list_file_name(device::ControllerKind::MousePad), "pelko_macro.config");
}

TEST_F(ConfigListsTest, MissingFilesEmptyTheMacroNamesButKeepTheOtherLists) {
    ConfigLists fresh = lists_for(device::ControllerKind::Keyboard, 1);
    fresh.load();
    EXPECT_TRUE(fresh.effect_names().empty());
    EXPECT_TRUE(fresh.modes().empty());

    put_file(root_ / "DefaultData" / "default_light.json", default_light_json());
    put_file(root_ / "profile" / "macro.config", R"({"MacroInfo": [{"MacroName": "M"}]})");
    put_file(root_ / "profile" / "pelko_light.config",
             R"({"LightInfo": [[{"LightName": "zero"}], [{"LightName": "wave", "Guid": "g"}]]})");
    ConfigLists lists = lists_for(device::ControllerKind::Keyboard, 1);
    lists.load();
    EXPECT_EQ(lists.effect_names(), std::vector<std::string>{"wave"});
    EXPECT_EQ(lists.modes().size(), 1u);

    std::filesystem::remove(root_ / "profile" / "macro.config");
    std::filesystem::remove(root_ / "profile" / "pelko_light.config");
    put_file(root_ / "DefaultData" / "default_light.json", R"({"DefaultLightName": [)");
    lists.load();
    EXPECT_TRUE(lists.macro_names().empty());
    EXPECT_EQ(lists.effect_names(), std::vector<std::string>{"wave"});
    EXPECT_EQ(lists.modes().size(), 1u);
}

}  // namespace
}  // namespace ilmo::profiles
