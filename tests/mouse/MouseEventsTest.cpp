#include <gtest/gtest.h>

#include "mouse/MouseEvents.h"

namespace ilmo::mouse {
namespace {

using Kind = MouseEvent::Kind;

TEST(MouseEvents, CodesDecodeAlikeOnBothReadersExceptTheReactiveFlash) {
    struct Case {
        uint16_t code;
        MouseEvent event;
    };
    const Case cases[] = {
        {0x0401, {Kind::Synchronise}},
        {0x0402, {Kind::Synchronise}},
        {0x1123, {Kind::ProfileChange, 3, 2}},
        {0x11F3, {Kind::ProfileChange, 3, -1}},  // no sixth stage
        {0x1145, {Kind::ProfileChange, 5, 4}},
        {0x1153, {Kind::ProfileChange, 3, -1}},  // one past the last stage
        {0x1005, {Kind::ProfileChange, 5, -1}},
        {0x1025, {Kind::ProfileChange, 5, -1}},  // bits 4-7 mean nothing here
        {0x1205, {}},
        {0x0404, {}},
        {0x0000, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(decode_mouse_event(c.code, true), c.event) << std::hex << c.code;
        EXPECT_EQ(decode_mouse_event(c.code, false), c.event) << std::hex << c.code;
    }
    EXPECT_EQ(decode_mouse_event(0x0403, true), MouseEvent{Kind::ReactiveFlash});
    EXPECT_EQ(decode_mouse_event(0x0403, false), MouseEvent{});
}

}  // namespace
}  // namespace ilmo::mouse
