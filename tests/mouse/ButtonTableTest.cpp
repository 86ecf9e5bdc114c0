#include <gtest/gtest.h>

#include "mouse/ButtonTable.h"

namespace ilmo::mouse {
namespace {

using keyboard::AssignmentCode;

// Slots: left, right, fire key, middle, left again, keyboard function (past the count).
const std::vector<uint8_t> kTable{0x10, 0x01, 0x00, 0x10, 0x02, 0x00, 0x14, 0x78, 0x02,
                                  0x10, 0x04, 0x00, 0x10, 0x01, 0x00, 0xA0, 0x1B, 0x00};

profiles::KeyEntry button(AssignmentCode normal, AssignmentCode factory = {}) {
    return {{}, keyboard::group_of(normal, 0), keyboard::group_of(factory, 0)};
}

TEST(ButtonTable, SlotMapTakesTheFirstMatchWithinTheButtonCount) {
    const SlotMap slots = build_slot_map(kTable, 5);
    EXPECT_EQ(slots, (SlotMap{0, 1, 3, kMissingSlot, kMissingSlot, kMissingSlot, kMissingSlot,
                              kMissingSlot, kMissingSlot, kMissingSlot, 2}));
    EXPECT_EQ(build_slot_map(kTable, 6)[8], 5);
    // A count past the bytes read looks at no more than they hold.
    EXPECT_EQ(build_slot_map(std::span(kTable).first(6), 200)[2], kMissingSlot);
}

TEST(ButtonTable, EachLogicalButtonIsFoundByItsFactoryCode) {
    const std::vector<uint8_t> factory{0x10, 0x01, 0x00, 0x10, 0x02, 0x00, 0x10, 0x04, 0x00,
                                       0x10, 0x10, 0x00, 0x10, 0x08, 0x00, 0x13, 0x01, 0x00,
                                       0x13, 0x02, 0x00, 0x13, 0x03, 0x00, 0xA0, 0x1B, 0x00,
                                       0x16, 0x90, 0x01, 0x14, 0x78, 0x02};
    EXPECT_EQ(build_slot_map(factory, kLogicalButtons),
              (SlotMap{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
}

TEST(ButtonTable, MacrosAreNumberedByFirstUseAndAGoneMacroFallsBackToTheFactoryCode) {
    const SlotMap slots = build_slot_map(kTable, 5);
    std::vector<profiles::KeyEntry> buttons(kLogicalButtons, button({0x20, 0, 0x04}));
    buttons[0] = button({0x70, 3, 1});
    buttons[1] = button({0x71, 1, 9});
    buttons[2] = button({0x70, 3, 2});
    buttons[8] = button({0x70, 2, 0});  // a button this mouse lacks: neither used nor written
    buttons[10] = button({0x70, 5, 0}, {0x13, 0x03, 0x00});

    EXPECT_EQ(used_button_macros(buttons, slots, 5), (std::vector<int>{3, 1}));
    const ButtonTableImage image = build_button_table(kTable, slots, buttons, 5);
    EXPECT_EQ(image.used_macros, (std::vector<int>{3, 1}));
    const std::vector<uint8_t> expected{0x70, 0x00, 0x01, 0x71, 0x01, 0x09, 0x13, 0x03, 0x00,
                                        0x70, 0x00, 0x02, 0x10, 0x01, 0x00, 0xA0, 0x1B, 0x00};
    EXPECT_EQ(image.table, expected);

    // With six macros, macro 5 is kept and numbered after the others.
    const ButtonTableImage six = build_button_table(kTable, slots, buttons, 6);
    EXPECT_EQ(six.used_macros, (std::vector<int>{3, 1, 5}));
    EXPECT_EQ(keyboard::table_code(six.table, 2), (AssignmentCode{0x70, 2, 0}));

    // Buttons past a short list keep their slot.
    const ButtonTableImage short_list =
        build_button_table(kTable, slots, {button({0x10, 2, 0})}, 0);
    EXPECT_EQ(keyboard::table_code(short_list.table, 0), (AssignmentCode{0x10, 2, 0}));
    EXPECT_TRUE(std::equal(kTable.begin() + 3, kTable.end(), short_list.table.begin() + 3));
}

}  // namespace
}  // namespace ilmo::mouse
