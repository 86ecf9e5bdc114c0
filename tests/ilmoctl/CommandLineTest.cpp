// What the command line's words become before anything runs: the commands of one run, the
// setting values, keys, mouse buttons and their functions by name, and the per-key colour
// file.

#include <gtest/gtest.h>

#include "ColourFile.h"
#include "Invocation.h"
#include "KeyNames.h"
#include "MouseButtonNames.h"
#include "SettingValues.h"
#include "keyboard/CodeTables.h"
#include "keyboard/KeyIdentity.h"

namespace ilmo::ctl {
namespace {

using keyboard::AssignmentCode;

InvocationParse parse(std::vector<std::string> arguments) {
    return parse_invocation(arguments);
}

// The code a function name stands for; nothing for "default" or a name not taken.
std::optional<AssignmentCode> code(std::string_view text, FunctionLists lists = FunctionLists::Keyboard) {
    const auto function = parse_function(text, lists);
    if (!function || function->factory) return std::nullopt;
    return function->code;
}

TEST(CommandLine, CommandsComeAsWordsOrAsTextsAndRunInTheOrderGiven) {
    const InvocationParse words = parse({"--demo", "keyboard", "set", "mode", "5", ";", "keyboard", "get"});
    ASSERT_TRUE(words.ok()) << words.error;
    EXPECT_TRUE(words.invocation.demo);
    EXPECT_EQ(words.invocation.commands,
              (std::vector<CommandWords>{{"keyboard", "set", "mode", "5"}, {"keyboard", "get"}}));

    // Quotes keep a key name with a blank in one word; ';' inside quotes is no separator.
    const InvocationParse texts =
        parse({"-e", "keyboard assign 'Num 1' F5; keyboard get", "--json", "-e", "pad get \"a;b\""});
    ASSERT_TRUE(texts.ok()) << texts.error;
    EXPECT_TRUE(texts.invocation.json);
    EXPECT_EQ(texts.invocation.commands,
              (std::vector<CommandWords>{
                  {"keyboard", "assign", "Num 1", "F5"}, {"keyboard", "get"}, {"pad", "get", "a;b"}}));

    EXPECT_TRUE(parse({"--help"}).ok());
    EXPECT_TRUE(parse({"--help"}).invocation.help);
}

TEST(CommandLine, UnusableCommandLinesAreRefusedWithTheReason) {
    EXPECT_EQ(parse({}).error, "no command given");
    EXPECT_EQ(parse({"--demo", ";"}).error, "no command given");
    EXPECT_EQ(parse({"--colour", "list"}).error, "unknown option --colour");
    EXPECT_EQ(parse({"-e"}).error, "-e needs a command text");
    EXPECT_NE(parse({"-e", "pad set colour 'ff0000"}).error.find("unclosed quote"), std::string::npos);
    EXPECT_FALSE(parse({"list", "-e", "detect"}).ok());
}

TEST(CommandLine, SettingValuesAreReadStrictly) {
    EXPECT_EQ(parse_colour("#0a0B0c"), (device::Rgb{0x0A, 0x0B, 0x0C}));
    EXPECT_EQ(parse_colour("ff8000"), (device::Rgb{0xFF, 0x80, 0x00}));
    for (const char* bad : {"#fff", "#ff00000", "#gg0000", "", "#", "0xff0000"})
        EXPECT_FALSE(parse_colour(bad)) << bad;
    EXPECT_EQ(format_colour({0xFF, 0x80, 0x00}), "#ff8000");

    EXPECT_EQ(parse_number("4", 0, 4), 4);
    EXPECT_EQ(parse_number("0", 0, 4), 0);
    for (const char* bad : {"5", "-1", "+1", " 1", "1 ", "", "0x1", "99999999999999"})
        EXPECT_FALSE(parse_number(bad, 0, 4)) << bad;

    EXPECT_EQ(parse_switch("ON"), true);
    EXPECT_EQ(parse_switch("0"), false);
    EXPECT_FALSE(parse_switch("yes"));
}

TEST(CommandLine, KeysAreNamedByIndexOrByTheirFactoryFunction) {
    EXPECT_EQ(parse_key("0"), 0);
    EXPECT_EQ(parse_key("keyboard_key_Esc"), 0);
    EXPECT_EQ(parse_key("f5"), 5);
    EXPECT_EQ(parse_key("Num 1"), 97);
    EXPECT_EQ(parse_key("GM"), 16);
    EXPECT_FALSE(parse_key("126"));
    EXPECT_FALSE(parse_key("keyboard_key_Esc2"));
    // The gaps of the layout have no name, so no name finds them.
    EXPECT_EQ(key_name(18), "");
    EXPECT_EQ(key_name(17), "");
    // Every name leads back to its own key: no two keys share one, ignoring case.
    for (int key = 0; key < keyboard::kPageKeys; ++key) {
        if (!key_name(key).empty()) {
            EXPECT_EQ(parse_key(key_name(key)), key) << key_name(key);
        }
    }
}

TEST(CommandLine, FunctionsAreNamedAsTheKeyPanelOffersThem) {
    EXPECT_EQ(code("keyboard_key_F5"), (AssignmentCode{0x20, 0x00, 0x3E}));
    EXPECT_EQ(code("F5"), (AssignmentCode{0x20, 0x00, 0x3E}));
    EXPECT_EQ(code("media_play"), (AssignmentCode{0x30, 0xCD, 0x00}));
    EXPECT_EQ(code("system_sleep"), (AssignmentCode{0x40, 0x02, 0x00}));
    // The key panel's combination list, not the office shortcut type.
    EXPECT_EQ(code("custem_copy"), (AssignmentCode{0x20, 0x10, 0x06}));
    // The mouse button list's meaning, not the mouse function list's reversed one.
    EXPECT_EQ(code("mouse_key_middle"), (AssignmentCode{0x10, 0x04, 0x00}));
    EXPECT_EQ(code("com_key_nothing"), (AssignmentCode{0xA0, 0x00, 0x00}));
    EXPECT_EQ(code("macro:3"), (AssignmentCode{0x70, 3, 0}));
    EXPECT_EQ(code("macro:3:2"), (AssignmentCode{0x70, 3, 2}));
    EXPECT_EQ(code("0x71020A"), (AssignmentCode{0x71, 0x02, 0x0A}));
    EXPECT_TRUE(parse_function("default")->factory);
    for (const char* bad : {"macro:3:4", "macro:", "macro:x", "0x2000", "0x20002G", "F13", ""})
        EXPECT_FALSE(parse_function(bad)) << bad;

    // What a read prints is taken back as the same code.
    std::vector<AssignmentCode> codes{{0x70, 7, 3}, {0x71, 1, 9}, {0x00, 0x00, 0x04},
                                      {0x22, 0x00, 0x04}, {0x10, 0x02, 0x00}};
    for (const auto& key : keyboard::keyboard_key_table()) codes.push_back(key.entry.code);
    for (const AssignmentCode& original : codes)
        EXPECT_EQ(code(format_function(original)), original) << format_function(original);
}

TEST(CommandLine, MouseButtonsAndTheirFunctionsAreNamedAsTheMousePanelOffersThem) {
    EXPECT_EQ(parse_button("10"), 10);
    EXPECT_EQ(parse_button("Right"), 1);
    // By the display key of the factory function: the wire's 0x04 is the middle button.
    EXPECT_EQ(parse_button("mouse_key_middle"), 2);
    EXPECT_EQ(parse_button("mouse_key_DPI_loop"), 7);
    EXPECT_EQ(parse_button("keyboard_key_GM"), 8);
    // The factory fire key carries other values than the list's, yet is named as the fire key.
    EXPECT_EQ(parse_button("mouse_key_fire_key"), 10);
    for (const char* bad : {"11", "wheel", ""})
        EXPECT_FALSE(parse_button(bad)) << bad;
    for (int button = 0; button < 11; ++button)
        EXPECT_EQ(parse_button(button_name(button)), button) << button_name(button);

    // Only a button's panel offers the mouse functions, and reads name them the same way.
    constexpr FunctionLists kMouse = FunctionLists::Mouse;
    EXPECT_EQ(code("mouse_key_DPI_add", kMouse), (AssignmentCode{0x13, 0x01, 0x00}));
    EXPECT_EQ(code("mouse_key_fire_key", kMouse), (AssignmentCode{0x14, 0x50, 0x02}));
    EXPECT_EQ(code("F5", kMouse), (AssignmentCode{0x20, 0x00, 0x3E}));
    EXPECT_FALSE(parse_function("mouse_key_DPI_add"));
    EXPECT_EQ(format_function({0x13, 0x01, 0x00}, kMouse), "mouse_key_DPI_add");
    EXPECT_EQ(format_function({0x16, 0x00, 0x00}, kMouse), "mouse_key_DPI_shift");
}

TEST(CommandLine, AColourFileNamesKeysInOrderAndSaysWhichLineIsWrong) {
    const ColourFileParse file = parse_colour_file(
        "# all dark, then two keys\r\n*  #000000\n\n  Num 1   00FF00\nEsc #ff0000\n0 #0000ff");
    ASSERT_EQ(file.error, "");
    std::vector<profiles::KeyColor> colours(170, {1, 2, 3, 4});
    apply_key_colours(colours, file.lines);
    EXPECT_EQ(colours[0], (profiles::KeyColor{0, 0, 0xFF, 0xFF}));  // the later line wins
    EXPECT_EQ(colours[97], (profiles::KeyColor{0, 0xFF, 0, 0xFF}));
    EXPECT_EQ(colours[169], (profiles::KeyColor{0, 0, 0, 0xFF}));

    // Without "*" the keys not named keep their colours.
    std::vector<profiles::KeyColor> kept(170, {1, 2, 3, 4});
    apply_key_colours(kept, parse_colour_file("F1 #ffffff").lines);
    EXPECT_EQ(kept[1], (profiles::KeyColor{0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(kept[2], (profiles::KeyColor{1, 2, 3, 4}));

    EXPECT_EQ(parse_colour_file("Esc #ff0000\nEsc red\n").error,
              "line 2: \"red\" is not a colour #RRGGBB");
    EXPECT_EQ(parse_colour_file("\n\nNoSuchKey #ff0000").error,
              "line 3: \"NoSuchKey\" is not a key");
    EXPECT_EQ(parse_colour_file("#ff0000").error, "no colours in it");
    EXPECT_EQ(parse_colour_file("Esc").error, "line 1: a key and a colour are needed");
}

}  // namespace
}  // namespace ilmo::ctl
