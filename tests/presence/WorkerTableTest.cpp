#include <gtest/gtest.h>

#include <future>

#include "device/ChannelFixture.h"
#include "presence/WorkerTable.h"

namespace ilmo::presence::testing {
namespace {

const std::string kEnded = "所有对象处于激发状态\n";
const std::string kTimedOut = "所有对象处于非激发状态，超时\n";
constexpr int kLongWaitMs = 600000;

void polite_worker(StopEvent& stop) {
    while (!stop.wait_for(kLongWaitMs)) {
    }
}

TEST(WorkerTable, StopEndsEveryRunningWorkerAndTracesEachOnce) {
    device::testing::Recorder recorder;
    WorkerTable workers(recorder.trace_sink());
    EXPECT_FALSE(workers.start(WorkerTable::kEntryCount, polite_worker));
    ASSERT_TRUE(workers.start(WorkerTable::kDeviceScanEntry, polite_worker));
    ASSERT_TRUE(workers.start(WorkerTable::kSyncLightingEntry, polite_worker));
    EXPECT_FALSE(workers.start(WorkerTable::kSyncLightingEntry, polite_worker));

    workers.stop_all();
    EXPECT_FALSE(workers.running(WorkerTable::kDeviceScanEntry));
    EXPECT_EQ(recorder.traces, (std::vector<std::string>{kEnded, kEnded}));  // idle entries: none
    EXPECT_TRUE(workers.stop_event(5)->is_set());

    // A stopped entry starts again with its event clear.
    ASSERT_TRUE(workers.start(WorkerTable::kDeviceScanEntry, polite_worker));
    EXPECT_FALSE(workers.stop_event(WorkerTable::kDeviceScanEntry)->is_set());
}

TEST(WorkerTable, WorkerThatIgnoresItsStopIsTracedAndLeftRunning) {
    device::testing::Recorder recorder;
    auto release = std::make_shared<StopEvent>();
    auto finished = std::make_shared<StopEvent>();
    {
        WorkerTable workers(recorder.trace_sink());
        ASSERT_TRUE(workers.start(3, [release, finished](StopEvent& stop) {
            release->wait_for(kLongWaitMs);
            if (stop.is_set()) finished->set();  // its event outlives the table
        }));
        ASSERT_TRUE(workers.start(4, polite_worker));
        auto stopped = std::async(std::launch::async, [&workers] { workers.stop_all(); });
        ASSERT_EQ(stopped.wait_for(std::chrono::seconds(30)), std::future_status::ready);
        EXPECT_EQ(recorder.traces, (std::vector<std::string>{kTimedOut, kEnded}));
        EXPECT_FALSE(workers.start(3, polite_worker));  // the straggler still holds it
    }
    release->set();
    EXPECT_TRUE(finished->wait_for(kLongWaitMs));
}

}  // namespace
}  // namespace ilmo::presence::testing
