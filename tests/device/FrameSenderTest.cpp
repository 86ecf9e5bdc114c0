#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <vector>

#include "device/FrameSender.h"

namespace ilmo::device {
namespace {

using Clock = std::chrono::steady_clock;

// Frames made while the pace runs wait for it, and the newest of them goes next.
TEST(FrameSender, AFrameStartsNoSoonerThanThePaceAfterTheOneBefore) {
    constexpr std::chrono::milliseconds kPace{100};
    constexpr auto kGuard = std::chrono::seconds(10);
    std::mutex mutex;
    std::condition_variable sent_one;
    std::vector<std::pair<uint8_t, Clock::time_point>> sent;
    FrameSender sender(
        [&](std::span<const uint8_t> frame) {
            std::lock_guard lock(mutex);
            sent.emplace_back(frame[0], Clock::now());
            sent_one.notify_all();
            return Result::kOk;
        },
        {});
    sender.set_pace_ms(static_cast<int>(kPace.count()));
    std::unique_lock lock(mutex);
    sender.post({1});
    ASSERT_TRUE(sent_one.wait_for(lock, kGuard, [&] { return !sent.empty(); }));
    lock.unlock();
    sender.post({2});
    sender.post({3});
    lock.lock();
    ASSERT_TRUE(sent_one.wait_for(lock, kGuard, [&] { return sent.back().first == 3; }));
    EXPECT_GE(sent.back().second - sent.front().second, kPace);
    lock.unlock();
    sender.stop();
}

}  // namespace
}  // namespace ilmo::device
