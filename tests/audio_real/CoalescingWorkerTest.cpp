// The worker that puts the equaliser's writes in place together: many requests cost one run,
// and a flush returns only once every earlier request has been served, even when the worker
// is in the middle of a run at that moment.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <thread>
#include <utility>

#include "audio/real/CoalescingWorker.h"

namespace ilmo::audio {
namespace {

using namespace std::chrono_literals;

// Long enough that the worker never runs by itself while a test looks.
constexpr auto kNever = std::chrono::hours(1);

TEST(CoalescingWorker, RequestsCoalesceAndAFlushWaitsForTheRunningAction) {
    std::atomic<int> runs = 0;
    {
        CoalescingWorker worker([&] { ++runs; }, kNever, kNever);
        for (int i = 0; i < 10; ++i) worker.request();
        worker.flush();
        EXPECT_EQ(runs, 1);
        worker.flush();
        EXPECT_EQ(runs, 1) << "nothing was pending";
        worker.request();
    }
    EXPECT_EQ(runs, 2) << "the end serves what is pending";

    // The worker's own run is under way when the flush comes.
    std::promise<void> started;
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    std::atomic<bool> done = false;
    bool first = true;
    CoalescingWorker worker(
        [&] {
            if (std::exchange(first, false)) started.set_value();
            released.wait();
            done = true;
        },
        0ms, 0ms);
    worker.request();
    started.get_future().wait();
    auto flushed = std::async(std::launch::async, [&] {
        worker.flush();
        return done.load();
    });
    // Gives an early return its chance; a correct flush waits whatever the delay.
    std::this_thread::sleep_for(50ms);
    release.set_value();
    EXPECT_TRUE(flushed.get()) << "the flush returned while the action was still running";
}

}  // namespace
}  // namespace ilmo::audio
