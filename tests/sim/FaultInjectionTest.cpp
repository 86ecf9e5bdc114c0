// Each fault shows on the wire the way a host would meet it with real hardware.

#include <gtest/gtest.h>

#include <chrono>

#include "SimTestSupport.h"

namespace ilmo::sim {
namespace {

using test::Bytes;
using test::PluggedBus;
using test::read_request;
using test::transact;
using test::write_request;

TEST(FaultInjection, NoAnswerTakesTheRequestButNeverReplies) {
    PluggedBus plugged;
    plugged.bus->set_faults(SimProduct::Keyboard, {.no_answer = true});
    auto keyboard = plugged.open_command(SimProduct::Keyboard);
    const auto request = write_request(0x06, 0, {5});
    size_t transferred = 0;
    EXPECT_EQ(keyboard->write(request, transferred, 100), 1);
    Bytes answer(64);
    EXPECT_EQ(keyboard->read(answer, transferred, 20), 0);
    EXPECT_EQ(transferred, 0u);
    plugged.bus->with_firmware(SimProduct::Keyboard, [](Firmware& firmware) {
        EXPECT_EQ(firmware.read(FirmwareMemory::Configuration, 0, 1), Bytes{0});
    });
    EXPECT_EQ(plugged.bus->packet_log().reports_of(SimProduct::Keyboard).size(), 1u);

    plugged.bus->clear_faults();
    EXPECT_TRUE(transact(*keyboard, request));
}

TEST(FaultInjection, WrongEchoAndForcedStatusStillCarrySealedAnswers) {
    PluggedBus plugged;
    auto mouse = plugged.open_command(SimProduct::Mouse);
    plugged.bus->set_faults(SimProduct::Mouse, {.wrong_echo = true});
    const auto echo = transact(*mouse, read_request(0x03, 0, 34));
    ASSERT_TRUE(echo);
    EXPECT_NE((*echo)[3], 0x03);
    EXPECT_NE((*echo)[3], 0xAA);
    unsigned sum = 0;
    for (size_t i = 3; i < 64; ++i) sum += (*echo)[i];
    EXPECT_EQ((*echo)[1] | (*echo)[2] << 8, static_cast<int>(sum & 0xFFFF));

    for (uint8_t status : {0xFF, 0xFE}) {
        plugged.bus->set_faults(SimProduct::Mouse, {.forced_status = status});
        const auto answer = transact(*mouse, read_request(0x03, 0, 34));
        ASSERT_TRUE(answer);
        EXPECT_EQ((*answer)[3], 0x03);
        EXPECT_EQ((*answer)[7], status);
    }
}

TEST(FaultInjection, ReceiverFaultsLeaveTheCableRouteAlone) {
    PluggedBus plugged;
    plugged.bus->set_faults(SimProduct::KeyboardReceiver, {.forced_status = 0xFE});
    auto receiver = plugged.open_command(SimProduct::KeyboardReceiver);
    auto cable = plugged.open_command(SimProduct::Keyboard);
    EXPECT_EQ((*transact(*receiver, read_request(0x03, 0, 24)))[7], 0xFE);
    EXPECT_EQ((*transact(*cable, read_request(0x03, 0, 24)))[7], 0x00);
}

TEST(FaultInjection, UnplugInTheMiddleOfAChunkedTransfer) {
    PluggedBus plugged;
    auto events = plugged.open(plugged.bus->event_path(SimProduct::Keyboard));
    auto keyboard = plugged.open_command(SimProduct::Keyboard);
    const auto command_path = plugged.bus->command_path(SimProduct::Keyboard);
    ASSERT_TRUE(transact(*keyboard, read_request(0x01, 0, 0)));
    plugged.bus->packet_log().clear();
    plugged.bus->set_faults(SimProduct::Keyboard, {.unplug_after_packets = 2});
    EXPECT_TRUE(transact(*keyboard, write_request(0x15, 0, Bytes(56, 1))));
    EXPECT_TRUE(transact(*keyboard, write_request(0x15, 56, Bytes(56, 2))));
    EXPECT_TRUE(plugged.backend.present(command_path));

    size_t transferred = 0;
    EXPECT_EQ(keyboard->write(write_request(0x15, 112, Bytes(56, 3)), transferred, 100), 0);
    EXPECT_FALSE(plugged.bus->plugged(SimProduct::Keyboard));
    EXPECT_FALSE(plugged.backend.present(command_path));
    Bytes report(64);
    EXPECT_EQ(events->read(report, transferred, -1), 0);
    plugged.bus->with_firmware(SimProduct::Keyboard, [](Firmware& firmware) {
        EXPECT_EQ(firmware.read(FirmwareMemory::Macros, 55, 2), (Bytes{1, 2}));
        EXPECT_EQ(firmware.read(FirmwareMemory::Macros, 111, 2), (Bytes{2, 0}));
    });
    EXPECT_EQ(plugged.bus->packet_log().reports_of(SimProduct::Keyboard).size(), 2u);

    // Plugged in again, the product works; the fault has fired and is spent.
    plugged.bus->plug(SimProduct::Keyboard);
    EXPECT_EQ(plugged.bus->faults(SimProduct::Keyboard).unplug_after_packets, -1);
    auto again = plugged.open_command(SimProduct::Keyboard);
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(transact(*again, read_request(0x03, 0, 34)));
}

TEST(FaultInjection, SlowDeviceAnswersNoEarlierThanItsDelay) {
    PluggedBus plugged;
    plugged.bus->set_faults(SimProduct::MousePad, {.response_delay_ms = 30});
    auto pad = plugged.open_command(SimProduct::MousePad);
    const auto start = std::chrono::steady_clock::now();
    const auto answer = transact(*pad, read_request(0x1A, 0, 6));
    const auto elapsed = std::chrono::steady_clock::now() - start;
    ASSERT_TRUE(answer);
    EXPECT_EQ((*answer)[3], 0x1A);
    EXPECT_GE(elapsed, std::chrono::milliseconds(30));
}

}  // namespace
}  // namespace ilmo::sim
