// The capture's small rules: the 16-bit format record, packet size and period, the pause
// before reconnecting, and when empty packets ask for a device check.

#include <gtest/gtest.h>

#include <chrono>

#include "capture/CaptureFormat.h"
#include "capture/CaptureTiming.h"

namespace ilmo::capture {
namespace {

using std::chrono::milliseconds;

TEST(CaptureRules, FormatIsSixteenBitOrNothing) {
    const auto stereo = sixteen_bit_format(48000, 2);
    ASSERT_TRUE(stereo);
    EXPECT_EQ(stereo->bits_per_sample, 16);
    EXPECT_EQ(stereo->block_align_bytes, 4);
    EXPECT_EQ(stereo->bytes_per_second, 192000u);
    EXPECT_FALSE(sixteen_bit_format(0, 2));
    EXPECT_FALSE(sixteen_bit_format(48000, 0));
    EXPECT_FALSE(sixteen_bit_format(48000, 33));
    EXPECT_FALSE(sixteen_bit_format(10'000'000, 2));
}

TEST(CaptureRules, PacketsAreWholeFramesAndThePeriodIsAtLeastOneMillisecond) {
    const CaptureFormat stereo = *sixteen_bit_format(48000, 2);
    EXPECT_EQ(fragment_bytes(stereo, milliseconds(10)), 1920u);
    EXPECT_EQ(fragment_bytes(*sixteen_bit_format(8, 1), milliseconds(10)), 2u);
    EXPECT_EQ(period_ms(stereo, 1920), 10);
    EXPECT_EQ(period_ms(stereo, 4), 1);
    EXPECT_EQ(period_ms(CaptureFormat{}, 4), 1);
}

TEST(CaptureRules, RestartsBackOffUpToFiveSecondsAndStartOverAfterARun) {
    RestartBackoff backoff;
    for (const int expected : {100, 200, 400, 800, 1600, 3200, 5000, 5000}) {
        EXPECT_EQ(backoff.next(), milliseconds(expected));
    }
    backoff.reset();
    EXPECT_EQ(backoff.next(), milliseconds(100));
}

TEST(CaptureRules, EveryThirtySecondEmptyPacketChecksTheDevice) {
    EmptyPacketCounter counter;
    for (int round = 0; round < 2; ++round) {
        for (int packet = 1; packet < 32; ++packet) EXPECT_FALSE(counter.count_empty()) << packet;
        EXPECT_TRUE(counter.count_empty());
    }
}

}  // namespace
}  // namespace ilmo::capture
