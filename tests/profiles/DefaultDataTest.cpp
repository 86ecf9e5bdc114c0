// The documents shipped in DefaultData/: each is stored exactly as the program's own writer
// stores it, each default profile carries every section its device uses with the right
// types, the key and button codes are the devices' factory codes, the lighting mode lists
// have the devices' modes, the weapons follow the bullet layout, and every name they show
// is a language key with a wording in both language files.

#include <gtest/gtest.h>
#include <json/value.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "profiles/JsonFile.h"

namespace {

namespace fs = std::filesystem;
using ilmo::profiles::read_file_bytes;
using ilmo::profiles::read_json_file;
using ilmo::profiles::styled_json;

// The build names the source tree; __FILE__ may be relative to wherever the compiler ran.
fs::path source_root() { return ILMO_SOURCE_DIR; }
fs::path default_data() { return source_root() / "DefaultData"; }

Json::Value document(const std::string& name) { return read_json_file(default_data() / name); }
Json::Value section(const std::string& name) { return document(name)["Device"][0]; }

constexpr const char* kMouseFile = "RM52X31C.Json";
constexpr const char* kKeyboardFile = "RM52X30C.Json";
constexpr const char* kPadFile = "RM52X23C_1.Json";
constexpr const char* kHeadsetFile = "HS6533.Json";

// Light-table index of each page in default_light.json.
constexpr int kKeyboardTable = 0;
constexpr int kMouseTable = 1;
constexpr int kPadTable = 2;
constexpr int kHeadsetTable = 3;

constexpr int kKeyboardLights = 170;
constexpr int kKeyboardKeys = 126;
constexpr int kBullets = 30;

int code(int type, int first, int second) { return type * 65536 + first * 256 + second; }

void expect_ints(const Json::Value& object, std::initializer_list<const char*> keys, int lowest,
                 int highest, const std::string& where) {
    ASSERT_TRUE(object.isObject()) << where;
    for (const char* key : keys) {
        const Json::Value& value = object[key];
        ASSERT_TRUE(value.isInt()) << where << "." << key;
        EXPECT_GE(value.asInt(), lowest) << where << "." << key;
        EXPECT_LE(value.asInt(), highest) << where << "." << key;
    }
}

void expect_light_info(const Json::Value& light_info, const std::string& where) {
    expect_ints(light_info,
                {"SelectItem", "Light", "Speed", "Fx", "Red", "Green", "Blue", "ZZCCLedMode",
                 "CustomGroup", "OldLedmode"},
                0, 255, where);
    EXPECT_LE(light_info["Light"].asInt(), 4) << where;
    EXPECT_LE(light_info["Speed"].asInt(), 4) << where;
    // A flag the program reads as a boolean: 0, 1 or a JSON boolean.
    const Json::Value& multi = light_info["MultiColor"];
    EXPECT_TRUE(multi.isBool() || (multi.isInt() && (multi.asInt() == 0 || multi.asInt() == 1)))
        << where;
}

// One entry per light; an entry is either no effect (null) or an effect record.
void expect_light_list(const Json::Value& list, int lights, const std::string& where) {
    ASSERT_TRUE(list.isArray()) << where;
    EXPECT_EQ(list.size(), static_cast<unsigned>(lights)) << where;
    for (const Json::Value& entry : list) {
        if (entry.isNull()) continue;
        expect_ints(entry, {"LEDREGMode", "LEDBrightness", "LEDSpeed", "red", "green", "blue"}, 0,
                    255, where);
    }
}

void expect_key_entry(const Json::Value& entry, const std::string& where) {
    expect_ints(entry, {"Assignment", "FnAssignment", "DefaultAssignment"}, 0, 0xFFFFFF, where);
}

// The mode list of a lighting table: (name, visible, value) per mode.
const Json::Value& modes_of(const Json::Value& lights, int table) {
    return lights["DefaultLightName"][table];
}

// Language keys of a language file: the id of every line <Text id="KEY">.
std::set<std::string> language_keys(const fs::path& file) {
    std::ifstream in(file);
    std::set<std::string> keys;
    const std::string tag = "<Text id=\"";
    for (std::string line; std::getline(in, line);) {
        const size_t start = line.find(tag);
        if (start == std::string::npos) continue;
        const size_t begin = start + tag.size();
        const size_t end = line.find('"', begin);
        if (end != std::string::npos) keys.insert(line.substr(begin, end - begin));
    }
    return keys;
}

// Every name a shipped document shows to the user.
std::vector<std::string> shown_names() {
    std::vector<std::string> names;
    const Json::Value lights = document("default_light.json");
    for (const char* list : {"DefaultLightName", "AreaLightName"})
        for (const Json::Value& table : lights[list])
            for (const Json::Value& entry : table) names.push_back(entry["LightName"].asString());
    for (const Json::Value& entry : section(kMouseFile)["CorrectInfo"])
        names.push_back(entry["CorrectName"].asString());
    for (int n = 0; n < 4; ++n)
        names.push_back(document("ShootData_" + std::to_string(n) + ".Shoot")["MacroName"].asString());
    const Json::Value styles = document("AudioFile.json")["AudioLightInfo"];
    for (int n = 1; n <= 4; ++n) names.push_back(styles["nStyleName" + std::to_string(n)].asString());
    return names;
}

const std::array<const char*, 11> kShippedDocuments{
    kMouseFile,          kKeyboardFile,       kPadFile,           kHeadsetFile,
    "default_light.json", "AudioFile.json",    "ShootData_0.Shoot", "ShootData_1.Shoot",
    "ShootData_2.Shoot", "ShootData_3.Shoot", "Language.config"};

}  // namespace

TEST(DefaultData, EveryDocumentIsShippedAndParses) {
    for (const char* name : kShippedDocuments) {
        const Json::Value parsed = document(name);
        EXPECT_TRUE(parsed.isObject()) << name;
    }
}

TEST(DefaultData, EveryDocumentIsInTheStoredByteForm) {
    // Every JSON file in the folder: a file the program rewrites must not change its bytes.
    // The language list is the one exception: it is only ever read, and it keeps its
    // language names in readable UTF-8 where the writer would escape them.
    int checked = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(default_data())) {
        const std::string name = entry.path().filename().string();
        if (name == "Language.config") continue;
        std::string bytes;
        ASSERT_TRUE(read_file_bytes(entry.path(), bytes)) << name;
        const Json::Value parsed = read_json_file(entry.path());
        ASSERT_FALSE(parsed.isNull()) << name;
        EXPECT_EQ(styled_json(parsed), bytes) << name;
        ++checked;
    }
    EXPECT_EQ(checked, static_cast<int>(kShippedDocuments.size()) - 1);
}

TEST(DefaultData, DefaultProfilesHaveTheDocumentFrame) {
    for (const char* name : {kMouseFile, kKeyboardFile, kPadFile, kHeadsetFile}) {
        const Json::Value doc = document(name);
        EXPECT_TRUE(doc["profilename"].isString()) << name;
        EXPECT_TRUE(doc["profileUUID"].isString()) << name;
        ASSERT_TRUE(doc["Device"].isArray()) << name;
        EXPECT_EQ(doc["Device"].size(), 1u) << name;
        EXPECT_TRUE(doc["Device"][0].isObject()) << name;
    }
}

TEST(DefaultData, KeyboardHasEverySection) {
    const Json::Value kb = section(kKeyboardFile);
    expect_light_info(kb["LightInfo"], "keyboard LightInfo");
    const Json::Value& audio = kb["AudioLightInfo"];
    expect_ints(audio,
                {"AudioMode", "BkColorR", "BkColorG", "BkColorB", "FgColorR", "FgColorG",
                 "FgColorB", "7ColorFlags", "ColorTypeFlags"},
                0, 255, "AudioLightInfo");
    EXPECT_LE(audio["AudioMode"].asInt(), 6);
    EXPECT_LE(audio["7ColorFlags"].asInt(), 1);
    EXPECT_LE(audio["ColorTypeFlags"].asInt(), 1);
    expect_light_list(kb["LightList"], kKeyboardLights, "keyboard LightList");
    ASSERT_TRUE(kb["KeyList"].isArray());
    for (const Json::Value& key : kb["KeyList"]) expect_key_entry(key, "keyboard KeyList");
    const Json::Value& system = kb["SystemStages"];
    expect_ints(system, {"Repeat", "RepeatDelay", "Key6Flag", "PollingRate", "WFlag", "WinFlag"},
                0, 0xFFFF, "keyboard SystemStages");
    EXPECT_LE(system["RepeatDelay"].asInt(), 3);
    EXPECT_LE(system["PollingRate"].asInt(), 3);
    EXPECT_TRUE(kb["FnKeysetFlag"].isBool());

    const Json::Value& custom = kb["CustomLightMode"];
    ASSERT_TRUE(custom["LightColorInfo"].isArray());
    ASSERT_GE(custom["LightColorInfo"].size(), 1u);
    ASSERT_TRUE(custom["CustomLightModeGroupIndex"].isInt());
    EXPECT_GE(custom["CustomLightModeGroupIndex"].asInt(), 0);
    EXPECT_LT(custom["CustomLightModeGroupIndex"].asUInt(), custom["LightColorInfo"].size());
    for (const Json::Value& group : custom["LightColorInfo"]) {
        ASSERT_TRUE(group.isArray());
        EXPECT_EQ(group.size(), static_cast<unsigned>(kKeyboardLights));
        for (const Json::Value& colour : group)
            expect_ints(colour, {"Red", "Green", "Blue", "Alpha"}, 0, 255, "LightColorInfo");
    }
}

TEST(DefaultData, KeyboardKeysCarryTheirIdentityCodes) {
    const Json::Value keys = section(kKeyboardFile)["KeyList"];
    ASSERT_EQ(keys.size(), static_cast<unsigned>(kKeyboardKeys));
    struct Identity {
        int index, type, first, second;
    };
    const Identity spot_checks[] = {
        {0, 0x20, 0x00, 0x29},   {1, 0x20, 0x00, 0x3A},   {12, 0x20, 0x00, 0x45},
        {13, 0x20, 0x00, 0x46},  {16, 0xA0, 0x1B, 0x00},  {17, 0xA0, 0x24, 0x00},
        {18, 0x20, 0x00, 0x00},  {21, 0x20, 0x00, 0x35},  {34, 0x20, 0x00, 0x2A},
        {38, 0x20, 0x00, 0x53},  {43, 0x20, 0x00, 0x14},  {59, 0x20, 0x00, 0x5F},
        {62, 0x20, 0x00, 0x32},  {63, 0x20, 0x00, 0x39},  {64, 0x20, 0x00, 0x04},
        {75, 0x20, 0x00, 0x28},  {79, 0x20, 0x00, 0x8A},  {80, 0x20, 0x00, 0x8B},
        {84, 0x20, 0x02, 0x00},  {92, 0x20, 0x00, 0x36},  {95, 0x20, 0x20, 0x00},
        {100, 0x20, 0x00, 0x87}, {104, 0x20, 0x00, 0x00}, {105, 0x20, 0x01, 0x00},
        {106, 0x20, 0x08, 0x00}, {108, 0x20, 0x00, 0x2C}, {109, 0x20, 0x40, 0x00},
        {110, 0xA0, 0x01, 0x00}, {111, 0x20, 0x00, 0x65}, {112, 0x20, 0x10, 0x00},
        {113, 0x20, 0x00, 0x50}, {116, 0x20, 0x00, 0x62}, {118, 0x20, 0x00, 0x58},
        {119, 0x20, 0x00, 0x57}, {120, 0xD0, 0xA2, 0x01}, {124, 0xD0, 0xA2, 0x05},
        {125, 0x20, 0x80, 0x00},
    };
    for (const Identity& key : spot_checks)
        EXPECT_EQ(keys[key.index]["DefaultAssignment"].asInt(),
                  code(key.type, key.first, key.second))
            << "key " << key.index;
    // Rows the page lays out in usage order: F1-F12 and the digits 1-9, 0.
    for (int f = 0; f < 12; ++f)
        EXPECT_EQ(keys[1 + f]["DefaultAssignment"].asInt(), code(0x20, 0, 0x3A + f));
    for (int d = 0; d < 10; ++d)
        EXPECT_EQ(keys[22 + d]["DefaultAssignment"].asInt(), code(0x20, 0, 0x1E + d));
}

TEST(DefaultData, KeyboardKeysAreDistinctAndStartAtTheirDefaults) {
    const Json::Value keys = section(kKeyboardFile)["KeyList"];
    std::set<int> identities;
    std::set<int> letters;
    int empty_places = 0;
    for (const Json::Value& key : keys) {
        const int identity = key["DefaultAssignment"].asInt();
        EXPECT_EQ(key["Assignment"].asInt(), identity);
        if (identity == code(0x20, 0, 0)) {
            ++empty_places;
            continue;
        }
        EXPECT_TRUE(identities.insert(identity).second) << "twice: " << identity;
        if (identity >= code(0x20, 0, 0x04) && identity <= code(0x20, 0, 0x1D))
            letters.insert(identity);
    }
    EXPECT_EQ(letters.size(), 26u);
    EXPECT_EQ(empty_places, 4);  // the matrix places 18-20 and 104
}

TEST(DefaultData, KeyboardFnLayerHoldsOnlyKeyboardFunctions) {
    // A key either has no Fn function (its Fn code is its identity) or one of the keyboard
    // functions of type 0xA0 that carry an Fn display name; none is on two keys.
    const std::set<int> fn_functions{0x04, 0x05, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F,
                                     0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x18, 0x19, 0x1A};
    std::set<int> used;
    for (const Json::Value& key : section(kKeyboardFile)["KeyList"]) {
        const int fn = key["FnAssignment"].asInt();
        if (fn == key["DefaultAssignment"].asInt()) continue;
        EXPECT_EQ(fn >> 16, 0xA0);
        EXPECT_EQ(fn & 0xFF, 0);
        EXPECT_TRUE(fn_functions.count((fn >> 8) & 0xFF)) << fn;
        EXPECT_TRUE(used.insert(fn).second) << "twice: " << fn;
    }
    // The Windows-key lock sits on the left Windows key.
    EXPECT_EQ(section(kKeyboardFile)["KeyList"][106]["FnAssignment"].asInt(), code(0xA0, 0x04, 0));
}

TEST(DefaultData, MouseHasEverySection) {
    const Json::Value mouse = section(kMouseFile);
    expect_light_info(mouse["LightInfo"], "mouse LightInfo");
    expect_light_list(mouse["LightList"], 15, "mouse LightList");
    expect_ints(mouse["SystemStages"],
                {"DoubleClickTime", "MouseSpeed", "PointerPrecision", "ScorllPage",
                 "WheelScorlllinse"},
                0, 0xFFFF, "mouse SystemStages");
    expect_ints(mouse["ReportStages"], {"StageActive"}, 0, 4, "ReportStages");
    const Json::Value& corrections = mouse["CorrectInfo"];
    ASSERT_TRUE(corrections.isArray());
    ASSERT_GE(corrections.size(), 1u);
    for (const Json::Value& entry : corrections) {
        expect_ints(entry, {"CorrectPixThresh", "CorrectMinSq", "CorrectSelect"}, 0, 255,
                    "CorrectInfo");
        EXPECT_TRUE(entry["CorrectName"].isString());
    }
}

TEST(DefaultData, MouseButtonsCarryTheirFactoryCodes) {
    const int factory[] = {
        code(0x10, 0x01, 0x00), code(0x10, 0x02, 0x00), code(0x10, 0x04, 0x00),
        code(0x10, 0x10, 0x00), code(0x10, 0x08, 0x00), code(0x13, 0x01, 0x00),
        code(0x13, 0x02, 0x00), code(0x13, 0x03, 0x00), code(0xA0, 0x1B, 0x00),
        code(0x16, 0x90, 0x01), code(0x14, 0x78, 0x02),
    };
    const Json::Value buttons = section(kMouseFile)["KeyList"];
    ASSERT_EQ(buttons.size(), std::size(factory));
    for (unsigned i = 0; i < buttons.size(); ++i) {
        expect_key_entry(buttons[i], "mouse KeyList");
        EXPECT_EQ(buttons[i]["DefaultAssignment"].asInt(), factory[i]) << "button " << i;
        EXPECT_EQ(buttons[i]["Assignment"].asInt(), factory[i]) << "button " << i;
    }
}

TEST(DefaultData, MouseHasFiveRisingDpiStages) {
    const Json::Value dpi = section(kMouseFile)["DPIStages"];
    const Json::Value& stages = dpi["StageDPIs"];
    ASSERT_TRUE(stages.isArray());
    ASSERT_EQ(stages.size(), 5u);
    expect_ints(dpi, {"StageActive"}, 0, 4, "DPIStages");
    int previous_step = -1;
    for (const Json::Value& stage : stages) {
        expect_ints(stage, {"StageActive", "StageXY"}, 0, 1, "stage");
        // Within the emulated sensor's slider (highest step 148).
        expect_ints(stage, {"StageDPIX", "StageDPIY"}, 0, 148, "stage");
        expect_ints(stage, {"StageColorR", "StageColorG", "StageColorB"}, 0, 255, "stage");
        EXPECT_GT(stage["StageDPIX"].asInt(), previous_step);
        previous_step = stage["StageDPIX"].asInt();
    }
    // The current stage cannot be switched off.
    EXPECT_EQ(stages[dpi["StageActive"].asInt()]["StageActive"].asInt(), 1);
}

TEST(DefaultData, MousePadHasItsLightingSections) {
    const Json::Value pad = section(kPadFile);
    expect_light_info(pad["LightInfo"], "pad LightInfo");
    expect_light_list(pad["LightList"], 15, "pad LightList");
}

TEST(DefaultData, HeadsetHasEverySection) {
    const Json::Value headset = section(kHeadsetFile);
    expect_light_info(headset["LightInfo"], "headset LightInfo");
    expect_light_list(headset["LightList"], 13, "headset LightList");
    const Json::Value& settings = headset["SystemSetStages"];
    expect_ints(settings,
                {"MagicEnable", "MagicType", "EqType", "CustomEqSeletIndex", "MicInSelect",
                 "MicInValue", "MicMoniterSelect", "MicMoniterValue"},
                -1, 100, "SystemSetStages");
    EXPECT_LE(settings["EqType"].asInt(), 13);
    EXPECT_GE(settings["EqType"].asInt(), 0);

    const Json::Value& custom = headset["CustomEQHzValueInfo"];
    const Json::Value& names = headset["CustomEQNameInfo"];
    ASSERT_TRUE(custom.isArray());
    ASSERT_TRUE(names.isArray());
    EXPECT_EQ(custom.size(), names.size());
    for (const Json::Value& curve : custom) {
        ASSERT_EQ(curve.size(), 10u);
        for (const Json::Value& band : curve) EXPECT_TRUE(band["value"].isInt());
    }
    for (const Json::Value& name : names) EXPECT_TRUE(name["Name"].isString());
}

TEST(DefaultData, HeadsetEqualiserPresetsHoldThePresetTable) {
    const int presets[12][10] = {
        {7, 11, 2, -3, -1, 4, 9, 12, 9, 5},      {7, 11, 6, -3, -11, -1, 6, 13, 6, 13},
        {10, 4, 0, -3, -4, -3, -2, -1, 0, 0},    {2, 1, -2, -3, -5, -7, 0, 4, 9, 8},
        {0, 0, 0, 0, 0, 0, 0, 0, 0, 0},          {7, 14, -13, -6, -1, 8, 13, 7, 2, 6},
        {14, 10, 4, 0, -4, -3, -1, 1, 2, 3},     {2, 1, -2, -3, -5, -1, 7, 11, 15, 13},
        {8, 2, -4, -8, 1, 3, 8, 11, 14, 16},     {-3, 4, 10, 0, -11, 3, 9, 13, 6, 0},
        {18, 14, 8, 2, -3, -6, -1, 2, 5, 6},     {2, 1, -2, -4, -8, 4, 12, 16, 18, 15},
    };
    const Json::Value eq = section(kHeadsetFile)["EQHzValueInfo"];
    // Entry n belongs to equaliser choice n: 0 none, 1-12 the presets, 13 custom.
    ASSERT_EQ(eq.size(), 14u);
    for (unsigned p = 0; p < eq.size(); ++p) {
        ASSERT_EQ(eq[p].size(), 10u) << "preset " << p;
        for (unsigned b = 0; b < 10; ++b) {
            ASSERT_TRUE(eq[p][b]["value"].isInt());
            if (p >= 1 && p <= 12) {
                EXPECT_EQ(eq[p][b]["value"].asInt(), presets[p - 1][b]) << p << "/" << b;
            }
        }
    }
}

TEST(DefaultData, LightTablesListEachDevicesModes) {
    const Json::Value lights = document("default_light.json");
    ASSERT_EQ(lights["DefaultLightName"].size(), 4u);
    ASSERT_EQ(lights["AreaLightName"].size(), 4u);
    for (const Json::Value& table : lights["DefaultLightName"]) {
        ASSERT_TRUE(table.isArray());
        for (const Json::Value& mode : table) {
            EXPECT_TRUE(mode["LightName"].isString());
            EXPECT_TRUE(mode["visible"].isBool());
            EXPECT_TRUE(mode["value"].isInt());
        }
    }
    for (const Json::Value& table : lights["AreaLightName"]) {
        ASSERT_TRUE(table.isArray());
        for (const Json::Value& area : table) EXPECT_TRUE(area["LightName"].isString());
    }
    // The keyboard's list index is its mode number.
    const Json::Value& keyboard = modes_of(lights, kKeyboardTable);
    ASSERT_EQ(keyboard.size(), 31u);
    for (unsigned i = 0; i < keyboard.size(); ++i) EXPECT_EQ(keyboard[i]["value"].asInt(), int(i));
    for (int shown : {1, 4, 5, 6, 20, 21, 28, 30})
        EXPECT_TRUE(keyboard[shown]["visible"].asBool()) << "keyboard mode " << shown;
    ASSERT_EQ(modes_of(lights, kMouseTable).size(), 12u);

    // Within one table a device code names one mode.
    for (int table : {kMouseTable, kPadTable}) {
        std::set<int> values;
        for (const Json::Value& mode : modes_of(lights, table))
            EXPECT_TRUE(values.insert(mode["value"].asInt()).second) << "table " << table;
    }
}

TEST(DefaultData, DefaultModesAreOfferedModes) {
    const Json::Value lights = document("default_light.json");
    const std::pair<const char*, int> pages[] = {{kKeyboardFile, kKeyboardTable},
                                                 {kMouseFile, kMouseTable},
                                                 {kPadFile, kPadTable},
                                                 {kHeadsetFile, kHeadsetTable}};
    for (const auto& [file, table] : pages) {
        const Json::Value& modes = modes_of(lights, table);
        const unsigned selected = section(file)["LightInfo"]["SelectItem"].asUInt();
        ASSERT_LT(selected, modes.size()) << file;
        EXPECT_TRUE(modes[selected]["visible"].asBool()) << file;
    }
}

TEST(DefaultData, WeaponsFollowTheBulletLayout) {
    const std::regex stamp(R"(\d{4}_\d{2}_\d{2}_\d{2}_\d{2}_\d{2}_\d{3})");
    std::set<std::string> guids;
    for (int n = 0; n < 4; ++n) {
        const std::string name = "ShootData_" + std::to_string(n) + ".Shoot";
        const Json::Value weapon = document(name);
        EXPECT_EQ(weapon["Version"].asInt(), 64) << name;
        EXPECT_TRUE(weapon["MacroName"].isString()) << name;
        EXPECT_TRUE(std::regex_match(weapon["Guid"].asString(), stamp)) << name;
        EXPECT_TRUE(guids.insert(weapon["Guid"].asString()).second) << name;
        const Json::Value& events = weapon["Events"];
        ASSERT_EQ(events.size(), static_cast<unsigned>(6 * kBullets)) << name;
        for (const Json::Value& event : events) {
            ASSERT_EQ(event.size(), 4u) << name;
            for (const char* key : {"Type", "Button", "Delay"})
                ASSERT_TRUE(event[key].isInt()) << name << " " << key;
            const std::string action = event["Action"].asString();
            EXPECT_TRUE(action == "down" || action == "up") << name;
            EXPECT_GE(event["Button"].asInt(), 0);
            EXPECT_LE(event["Button"].asInt(), 255);
        }
        int pulled_down = 0;
        for (int b = 0; b < kBullets; ++b) {
            const auto e = [&](int i) -> const Json::Value& { return events[6 * b + i]; };
            const std::string where = name + " bullet " + std::to_string(b);
            EXPECT_EQ(e(0)["Action"].asString(), "down") << where;
            EXPECT_EQ(e(1)["Action"].asString(), "up") << where;
            for (int i : {0, 1}) {
                EXPECT_EQ(e(i)["Type"].asInt(), 1) << where;
                EXPECT_EQ(e(i)["Button"].asInt(), 1) << where;
            }
            EXPECT_EQ(e(0)["Delay"].asInt(), 10) << where;
            EXPECT_EQ(e(1)["Delay"].asInt(), 0) << where;
            EXPECT_EQ(e(2)["Type"].asInt(), 4) << where;
            EXPECT_EQ(e(2)["Delay"].asInt(), 5) << where;
            EXPECT_EQ(e(3)["Type"].asInt(), 5) << where;
            EXPECT_GT(e(3)["Delay"].asInt(), 0) << where;
            EXPECT_EQ(e(4)["Type"].asInt(), 4) << where;
            EXPECT_EQ(e(5)["Type"].asInt(), 5) << where;
            EXPECT_EQ(e(4)["Action"].asString(), e(2)["Action"].asString()) << where;
            EXPECT_EQ(e(5)["Action"].asString(), e(3)["Action"].asString()) << where;
            for (int i : {4, 5}) {
                EXPECT_EQ(e(i)["Button"].asInt(), 0) << where;
                EXPECT_EQ(e(i)["Delay"].asInt(), 0) << where;
            }
            // Sideways drift stays small; the pull against the recoil is downwards ("up").
            EXPECT_LE(e(2)["Button"].asInt(), 5) << where;
            if (e(3)["Action"].asString() == "up" && e(3)["Button"].asInt() > 0) ++pulled_down;
        }
        EXPECT_GE(pulled_down, kBullets - 1) << name;
    }
}

TEST(DefaultData, MusicStylesHaveFourColours) {
    const Json::Value audio = document("AudioFile.json");
    const Json::Value& styles = audio["AudioLightInfo"];
    expect_ints(styles, {"nAudioStyle"}, 0, 3, "AudioLightInfo");
    for (int n = 0; n < 4; ++n) {
        const std::string i = std::to_string(n);
        for (const std::string component : {"nStyleR", "nStyleG", "nStyleB"})
            expect_ints(styles, {(component + i).c_str()}, 0, 9, "AudioLightInfo");
        const Json::Value& name = styles["nStyleName" + std::to_string(n + 1)];
        EXPECT_TRUE(name.isString());
        EXPECT_FALSE(name.asString().empty());
    }
    EXPECT_TRUE(audio["Device"].isArray());
}

TEST(DefaultData, EveryShownNameHasAWordingInBothLanguages) {
    const fs::path lang = source_root() / "skin" / "lang";
    for (const char* file : {"lan_en.xml", "lan_zh.xml"}) {
        const std::set<std::string> keys = language_keys(lang / file);
        ASSERT_FALSE(keys.empty()) << file;
        for (const std::string& name : shown_names()) {
            EXPECT_FALSE(name.empty());
            EXPECT_TRUE(keys.count(name)) << name << " missing in " << file;
        }
    }
}
