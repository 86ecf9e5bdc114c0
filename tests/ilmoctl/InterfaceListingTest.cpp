#include "InterfaceListing.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace ilmo::ctl {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

TEST(InterfaceListing, AnUnreadableListIsSaidSoNotShownEmpty) {
    const std::string text = format_interface_listing({.listed = false, .rows = {}});
    EXPECT_THAT(text, HasSubstr("could not be read"));
    EXPECT_THAT(text, Not(HasSubstr("HID interfaces: 0")));
}

TEST(InterfaceListing, InterfacesThatCannotBeUsedAreShownWithTheReason) {
    device::SurveyRow unusable;
    unusable.path = "/dev/hidraw3#vid_320f&pid_1004&mi_01";
    unusable.from_path = {0x320F, 0x1004, 1, 0};
    unusable.reason = "its report descriptor does not parse";
    const std::string text = format_interface_listing({.listed = true, .rows = {unusable}});
    EXPECT_THAT(text, HasSubstr("HID interfaces: 1\n"));
    EXPECT_THAT(text, HasSubstr("/dev/hidraw3#vid_320f&pid_1004&mi_01\n"));
    EXPECT_THAT(
        text, HasSubstr("320f:1004 mi 1 col 0  not usable: its report descriptor does not parse"));
    EXPECT_THAT(text, HasSubstr("Slots claimed: 0 of 11"));
}

}  // namespace
}  // namespace ilmo::ctl
