#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "lighting/LightingThread.h"

namespace ilmo::lighting {
namespace {

const std::string kExit = "KB灯光线程设定退出";
const std::string kEnded = "线程退出：：对象处于激发状态\n";
const std::string kTimedOut = "线程退出：：对象处于非激发状态，超时\n";
constexpr int64_t kFarAway_ms = 1'000'000'000;

struct Traces {
    std::mutex mutex;
    std::vector<std::string> lines;
    device::TraceSink sink() {
        return [this](std::string_view line) {
            std::lock_guard lock(mutex);
            lines.emplace_back(line);
        };
    }
    std::vector<std::string> taken() {
        std::lock_guard lock(mutex);
        return std::exchange(lines, {});
    }
};

// Waits for a condition that must come; the limit only keeps a broken build from hanging.
template <typename Condition>
bool eventually(Condition condition) {
    const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > give_up) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

TEST(LightingThread, SleepsUntilDueAndStopsWithItsTraces) {
    Traces traces;
    LightingThread thread(traces.sink(), kExit);
    thread.stop();  // before a start: nothing to do
    EXPECT_TRUE(traces.taken().empty());

    std::atomic<int> ticks{0};
    ASSERT_TRUE(thread.start([&](int64_t now_ms) {
        ++ticks;
        return now_ms + kFarAway_ms;
    }));
    EXPECT_FALSE(thread.start([](int64_t) { return int64_t{0}; }));
    ASSERT_TRUE(eventually([&] { return ticks == 1; }));
    thread.wake();  // the lighting changed: a tick at once, however far the next was
    ASSERT_TRUE(eventually([&] { return ticks == 2; }));
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(ticks, 2);  // nothing due: no polling

    thread.stop();
    EXPECT_FALSE(thread.running());
    EXPECT_EQ(traces.taken(), (std::vector<std::string>{kExit, kEnded}));

    // It starts again after a stop, and its destruction stops it.
    ASSERT_TRUE(thread.start([&](int64_t now_ms) {
        ++ticks;
        return now_ms + kFarAway_ms;
    }));
    ASSERT_TRUE(eventually([&] { return ticks == 3; }));
}

TEST(LightingThread, PauseHoldsTheTicksUntilResumed) {
    Traces traces;
    std::atomic<int> ticks{0};
    LightingThread thread(traces.sink(), kExit);
    ASSERT_TRUE(thread.start([&](int64_t now_ms) {
        ++ticks;
        return now_ms;  // always due
    }));
    ASSERT_TRUE(eventually([&] { return ticks > 3; }));
    thread.pause();
    const int at_pause = ticks;
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    EXPECT_LE(ticks, at_pause + 1);  // at most the tick that was running
    EXPECT_TRUE(thread.paused());

    thread.stop();  // a paused worker stops too, and the pause holds for the next start
    EXPECT_EQ(traces.taken(), (std::vector<std::string>{kExit, kEnded}));
    ASSERT_TRUE(thread.start([&](int64_t now_ms) {
        ++ticks;
        return now_ms;
    }));
    const int before_resume = ticks;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(ticks, before_resume);
    thread.resume();
    ASSERT_TRUE(eventually([&] { return ticks > before_resume; }));
}

TEST(LightingThread, TickThatOverstaysTheStopIsTracedAndStillJoined) {
    Traces traces;
    std::atomic<bool> release{false};
    std::atomic<bool> entered{false};
    std::atomic<bool> finished{false};
    LightingThread thread(traces.sink(), kExit, {}, 20);
    ASSERT_TRUE(thread.start([&](int64_t now_ms) {
        entered = true;
        while (!release) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        finished = true;
        return now_ms + kFarAway_ms;
    }));
    ASSERT_TRUE(eventually([&] { return entered.load(); }));
    // The tick works on its owner: stop returns only once it has ended.
    std::thread releaser([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        release = true;
    });
    thread.stop();
    releaser.join();
    EXPECT_TRUE(finished);
    EXPECT_FALSE(thread.running());
    EXPECT_EQ(traces.taken(), (std::vector<std::string>{kTimedOut, kExit}));
}

}  // namespace
}  // namespace ilmo::lighting
