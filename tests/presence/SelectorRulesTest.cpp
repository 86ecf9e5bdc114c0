#include <gtest/gtest.h>

#include "PresenceFixture.h"

namespace ilmo::presence::testing {
namespace {

TEST_F(PresenceTest, SyncIsOfferedOnlyWhileTwoDevicesAreUsable) {
    plug(SimProduct::Keyboard);
    EXPECT_FALSE(view.sync_offered);
    plug(SimProduct::MousePad);
    EXPECT_TRUE(view.sync_offered);
    presence.set_sync_choice(kKeyboardPage, true);
    presence.set_sync_choice(kPadPage, true);
    presence.select_page(kPadPage, true, true);
    EXPECT_EQ(view.sync_clears, 0);  // two choices stand
    EXPECT_TRUE(presence.page(kPadPage).controller->sync_flag());

    presence.set_sync_choice(kPadPage, false);
    presence.select_page(kPadPage, true, true);
    EXPECT_EQ(view.sync_clears, 1);  // a choice alone means nothing
    EXPECT_FALSE(presence.page(kKeyboardPage).sync_chosen);
    EXPECT_FALSE(presence.page(kKeyboardPage).controller->sync_flag());

    presence.set_sync_choice(kKeyboardPage, true);
    presence.set_sync_choice(kPadPage, true);
    unplug(SimProduct::MousePad);
    EXPECT_FALSE(view.sync_offered);
    EXPECT_FALSE(presence.page(kKeyboardPage).sync_chosen);
    EXPECT_FALSE(presence.page(kKeyboardPage).controller->sync_flag());  // withdrawn with the offer
}

TEST_F(PresenceTest, HidingAnItemNotLookedAtKeepsTheSelection) {
    plug(SimProduct::Keyboard);
    plug(SimProduct::Mouse);
    presence.select_page(kMousePage, true, true);
    EXPECT_FALSE(view.item(kKeyboardPage).selected);
    presence.hide_page(kKeyboardPage);
    EXPECT_FALSE(view.item(kKeyboardPage).visible);
    EXPECT_EQ(view.shown_page, kMousePage);
    EXPECT_EQ(presence.selected_device(), &controller(kMousePage));
    EXPECT_EQ(view.child_window_closes, 0);
}

}  // namespace
}  // namespace ilmo::presence::testing
