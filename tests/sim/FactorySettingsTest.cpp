// A device out of the box: what a host reads from its configuration memory, the way the host
// reads it (active profile at address 0, then that profile's record), is a complete, sensible
// set of settings in the record layouts.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>

#include "SimTestSupport.h"
#include "sim/DemoRig.h"

namespace ilmo::sim {
namespace {

using test::Bytes;
using test::PluggedBus;
using test::read_request;
using test::transact;

Bytes read_configuration(device::HidHandle& handle, uint16_t address, size_t length) {
    return test::read_chunked(handle, 0x05, address, length, 56);
}

// Bytes 1-8 of every record: mode, brightness level, 4 - speed, direction, colourful, colour.
void expect_lit(const Bytes& record, int highest_mode) {
    EXPECT_GE(record[1], 1);
    EXPECT_LE(record[1], highest_mode);
    EXPECT_GE(record[2], 1) << "brightness level";
    EXPECT_LE(record[2], 4);
    EXPECT_LE(record[3], 4) << "stored speed";
    EXPECT_LE(record[4], 1) << "direction";
    EXPECT_LE(record[5], 1) << "colourful flag";
    EXPECT_TRUE(record[5] == 1 || record[6] + record[7] + record[8] > 0) << "lit in black";
}

TEST(FactorySettings, KeyboardHoldsALightingRecordPerOnboardProfile) {
    PluggedBus plugged;
    auto keyboard = plugged.open_command(SimProduct::Keyboard);
    EXPECT_EQ(read_configuration(*keyboard, 0, 1), Bytes{0});
    std::set<int> modes;
    for (int profile = 0; profile < 4; ++profile) {
        SCOPED_TRACE(profile);
        const Bytes record = read_configuration(*keyboard, static_cast<uint16_t>(profile * 33), 34);
        ASSERT_EQ(record.size(), 34u);
        EXPECT_EQ(record[0], profile);
        expect_lit(record, 28);
        EXPECT_NE(record[1], 21) << "host-driven modes need a host";
        EXPECT_NE(record[1], 0xFE);
        EXPECT_LE(record[19], 1) << "W-key flag";
        EXPECT_LE(record[20], 1) << "six-key flag";
        EXPECT_LE(record[21], 1) << "Windows-key lock";
        EXPECT_LE(record[22], 3) << "polling rate step";
        if (profile < 3) {
            EXPECT_EQ(record[33], profile + 1) << "shares the next record's byte 0";
        }
        modes.insert(record[1]);
    }
    EXPECT_GT(modes.size(), 1u) << "the profiles are not all alike";
}

TEST(FactorySettings, MouseHoldsASettingsBlockWithFiveDpiStagesPerProfile) {
    PluggedBus plugged;
    auto mouse = plugged.open_command(SimProduct::Mouse);
    const Bytes info = *transact(*mouse, read_request(0x03, 0, 34));
    const int highest_step = info[8 + 12] | info[8 + 13] << 8;
    EXPECT_EQ(read_configuration(*mouse, 0, 1), Bytes{0});
    for (int profile = 0; profile < 4; ++profile) {
        SCOPED_TRACE(profile);
        const Bytes block = read_configuration(*mouse, static_cast<uint16_t>(profile * 128), 71);
        ASSERT_EQ(block.size(), 71u);
        expect_lit(block, 11);
        EXPECT_LE(block[11], 4) << "polling rate index";
        EXPECT_LE(block[12], 4) << "current DPI stage";
        int previous_x = -1;
        for (int stage = 0; stage < 5; ++stage) {
            const Bytes record = test::slice(block, 14 + 9 * static_cast<size_t>(stage), 9);
            const int x = record[2] | record[3] << 8;
            const int y = record[4] | record[5] << 8;
            EXPECT_EQ(record[0], 1) << "stage " << stage << " enabled";
            EXPECT_GT(x, previous_x) << "stages rise";
            EXPECT_LE(x, highest_step);
            EXPECT_EQ(y, x);
            EXPECT_GT(record[6] + record[7] + record[8], 0) << "stage colour";
            previous_x = x;
        }
        EXPECT_EQ(block[59], 1);
        EXPECT_GT(block[60] | block[61] << 8, 0) << "screen width";
        EXPECT_GT(block[62] | block[63] << 8, 0) << "screen height";
    }
}

TEST(FactorySettings, PadHoldsItsRecordAtAddressZero) {
    PluggedBus plugged;
    auto pad = plugged.open_command(SimProduct::MousePad);
    EXPECT_EQ(read_configuration(*pad, 0, 1), Bytes{0});
    const Bytes record = read_configuration(*pad, 0, 34);
    ASSERT_EQ(record.size(), 34u);
    expect_lit(record, 8);  // the pad's mode codes run to 8
}

// The demo keyboard can start in a mode the environment names; a malformed name changes nothing.
TEST(FactorySettings, DemoKeyboardStartsInTheModeTheEnvironmentNames) {
    const auto demo_keyboard_mode = [](const char* value) {
        setenv("ILMO_DEMO_KEYBOARD_MODE", value, 1);
        DemoRig demo;
        unsetenv("ILMO_DEMO_KEYBOARD_MODE");
        return demo.bus()->with_firmware(
            SimProduct::Keyboard, [](Firmware& firmware) { return firmware.lighting_mode(); });
    };
    const int factory_mode = demo_keyboard_mode("21x");
    EXPECT_NE(factory_mode, 21);
    EXPECT_EQ(demo_keyboard_mode("21"), 21);
    EXPECT_EQ(demo_keyboard_mode("256"), factory_mode);
}

// A demo runs for as long as the program does: its bus counts what the program sends and
// keeps none of it.
TEST(FactorySettings, TheDemoBusKeepsNoReports) {
    DemoRig demo;
    const auto keyboard = demo.backend().open(demo.bus()->command_path(SimProduct::Keyboard), {});
    ASSERT_TRUE(keyboard);
    ASSERT_TRUE(transact(*keyboard, read_request(0x03, 0, 34)));
    EXPECT_EQ(demo.bus()->packet_log().counters(SimProduct::Keyboard).reports_received, 1);
    EXPECT_TRUE(demo.bus()->packet_log().reports().empty());
}

}  // namespace
}  // namespace ilmo::sim
