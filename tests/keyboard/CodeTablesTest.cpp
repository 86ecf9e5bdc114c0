#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

#include "CodePrinting.h"
#include "keyboard/CodeTables.h"
#include "keyboard/KeyIdentity.h"

namespace ilmo::keyboard {
namespace {

void expect_entry(std::span<const CodeEntry> table, size_t index, AssignmentCode code,
                  std::string_view display_key) {
    ASSERT_LT(index, table.size());
    EXPECT_EQ(table[index].display_index, index);
    EXPECT_EQ(table[index].code, code) << display_key;
    EXPECT_EQ(table[index].display_key, display_key);
}

TEST(CodeTables, CountsAndHandPickedEntries) {
    EXPECT_EQ(keyboard_key_table().size(), 142u);
    EXPECT_EQ(code_table(CodeTable::MediaWeb).size(), 18u);
    EXPECT_EQ(code_table(CodeTable::System).size(), 3u);
    EXPECT_EQ(code_table(CodeTable::OfficeShortcuts).size(), 9u);
    EXPECT_EQ(code_table(CodeTable::ShortcutCombinations).size(), 11u);
    EXPECT_EQ(code_table(CodeTable::MouseFunctions).size(), 35u);
    EXPECT_EQ(code_table(CodeTable::MouseButtons).size(), 5u);
    EXPECT_EQ(code_table(CodeTable::Dpi).size(), 3u);
    EXPECT_EQ(keyboard_functions().size(), 24u);

    expect_entry(code_table(CodeTable::MediaWeb), 0, consumer_code(0x0183), "media_text");
    expect_entry(code_table(CodeTable::MediaWeb), 17, consumer_code(0x018A), "media_mail");
    expect_entry(code_table(CodeTable::System), 2, {0x40, 0x04, 0x00}, "system_wake_up");
    expect_entry(code_table(CodeTable::OfficeShortcuts), 8, {0x22, 0x00, 0x08},
                 "custem_select_all");
    expect_entry(code_table(CodeTable::ShortcutCombinations), 4, {0x20, 0x10, 0x06}, "custem_copy");
    expect_entry(code_table(CodeTable::ShortcutCombinations), 10, {0x20, 0x10, 0x2E},
                 "custem_magnify");
    const auto mouse = code_table(CodeTable::MouseFunctions);
    expect_entry(mouse, 1, {0x10, 0x04, 0x00}, "mouse_key_middle");
    expect_entry(mouse, 14, {0x23, 0x00, 0x00}, "show_window");
    expect_entry(mouse, 15, {0xA0, 0x1A, 0x00}, "keyboard_key_F12_Fn");
    expect_entry(mouse, 27, {0xA0, 0x1B, 0x00}, "keyboard_key_BACKSPACE_Fn");
    expect_entry(mouse, 28, {0xA0, 0x05, 0x00}, "keyboard_key_W_Fn");
    expect_entry(mouse, 34, {0xA0, 0x16, 0x00}, "keyboard_key_PGDN_Fn");
    expect_entry(code_table(CodeTable::MouseButtons), 1, {0x10, 0x04, 0x00}, "mouse_key_middle");
    expect_entry(code_table(CodeTable::Dpi), 2, {0x13, 0x03, 0x00}, "mouse_key_DPI_loop");
    EXPECT_EQ(keyboard_functions()[22].display_key, "keyboard_key_GM");
    EXPECT_TRUE(keyboard_functions()[23].display_key.empty());
}

TEST(CodeTables, KeyboardKeysWithTheirVirtualKeys) {
    const auto keys = keyboard_key_table();
    const auto expect_key = [&](size_t index, AssignmentCode code, std::string_view name,
                                uint8_t virtual_key) {
        ASSERT_LT(index, keys.size());
        EXPECT_EQ(keys[index].entry.display_index, index);
        EXPECT_EQ(keys[index].entry.code, code) << name;
        EXPECT_EQ(keys[index].entry.display_key, name);
        EXPECT_EQ(keys[index].virtual_key, virtual_key) << name;
    };
    expect_key(0, {0x20, 0x01, 0x00}, "keyboard_key_LCtrl", 0xA2);
    expect_key(7, {0x20, 0x80, 0x00}, "keyboard_key_RWin", 0x5C);
    expect_key(8, {0x20, 0x00, 0x04}, "keyboard_key_A", 'A');
    expect_key(43, {0x20, 0x00, 0x27}, "keyboard_key_0", '0');
    expect_key(57, {0x20, 0x00, 0x36}, "keyboard_key_<", 0xBC);
    expect_key(72, {0x20, 0x00, 0x45}, "keyboard_key_F12", 0x7B);
    expect_key(91, {0x20, 0x00, 0x58}, "keyboard_key_Num Enter", 0x0D);
    expect_key(101, {0x20, 0x00, 0x62}, "keyboard_key_Num 0", 0x60);
    expect_key(113, {0x20, 0x00, 0x32}, "keyboard_key_K42", 0xDC);
    expect_key(114, {0x30, 0x92, 0x01}, "keyboard_key_Launch App2", 0xB7);
    expect_key(130, {0x30, 0x26, 0x02}, "wed_stop", 0xA9);
    expect_key(132, {0x40, 0x01, 0x00}, "keyboard_key_Power", 0);
    expect_key(139, {0xD0, 0xA2, 0x05}, "keyboard_key_M5", 0);
    expect_key(141, {0xA0, 0x1B, 0x00}, "keyboard_key_GM", 0);

    std::set<std::tuple<int, int, int>> codes;
    for (const KeyboardKeyEntry& key : keys)
        EXPECT_TRUE(
            codes.insert({key.entry.code.type, key.entry.code.first, key.entry.code.second}).second)
            << key.entry.display_key;
}

TEST(CodeTables, EveryPageKeyIsCaptionedByItsFactoryCode) {
    for (int key = 0; key < kPageKeys; ++key) {
        const AssignmentCode identity = key_identity(key);
        if (identity == kNoKey || key == 17) continue;  // 17's factory function has no name
        EXPECT_TRUE(caption_key(identity).has_value()) << key;
    }
    EXPECT_EQ(caption_key(key_identity(17)), std::nullopt);
}

TEST(CodeTables, CaptionPrecedence) {
    EXPECT_EQ(caption_key({0x20, 0x10, 0x06}), "custem_copy");  // a combination, not a key
    EXPECT_EQ(caption_key({0x20, 0x10, 0x00}), "keyboard_key_RCtrl");
    EXPECT_EQ(caption_key({0x00, 0x00, 0x04}), "keyboard_key_A");
    EXPECT_EQ(caption_key(consumer_code(0x00E9)), "keyboard_key_Volume Up");
    EXPECT_EQ(caption_key({0x40, 0x02, 0x00}), "keyboard_key_Sleep");
    EXPECT_EQ(caption_key({0x22, 0x00, 0x04}), "custem_copy");
    EXPECT_EQ(caption_key({0xA0, 0x1B, 0x00}), "keyboard_key_GM");
    EXPECT_EQ(caption_key({0xA0, 0x00, 0x00}), "com_key_nothing");
    EXPECT_EQ(caption_key({0xA0, 0x16, 0x00}), "keyboard_key_PGDN_Fn");
    EXPECT_EQ(caption_key({0x10, 0x02, 0x00}), "mouse_key_right");
    EXPECT_EQ(caption_key({0x13, 0x03, 0x00}), "mouse_key_DPI_loop");
    // The mouse's factory fire key and DPI shift carry values of their own.
    EXPECT_EQ(caption_key({0x14, 0x78, 0x02}), "mouse_key_fire_key");
    EXPECT_EQ(caption_key({0x16, 0x90, 0x01}), "mouse_key_DPI_shift");
    // The mouse list's bare shortcut entry names no keyboard key.
    EXPECT_EQ(caption_key(kNoKey), std::nullopt);
    EXPECT_EQ(caption_key({0x70, 0x00, 0x00}), std::nullopt);
    EXPECT_EQ(caption_key({0x71, 0x02, 0x05}), std::nullopt);
    EXPECT_EQ(caption_key({0x11, 0x12, 0x05}), std::nullopt);
}

}  // namespace
}  // namespace ilmo::keyboard
