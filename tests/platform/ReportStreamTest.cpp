#include "platform/ReportStream.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <thread>
#include <vector>

namespace ilmo::platform {
namespace {

using ::testing::ElementsAre;
using Bytes = std::vector<uint8_t>;

// A collection with input reports `ids`; no ids means a collection without report ids.
device::TopLevelCollection collection_with_inputs(std::initializer_list<uint8_t> ids) {
    device::TopLevelCollection collection;
    collection.uses_report_ids = ids.size() != 0;
    for (uint8_t id : ids) collection.reports.push_back({id, device::ReportDirection::Input, 16});
    if (ids.size() == 0) collection.reports.push_back({0, device::ReportDirection::Input, 16});
    return collection;
}

// A datagram socket pair stands in for the node: each send is one report, as on hidraw.
class ReportStreamTest : public ::testing::Test {
protected:
    void open_stream(std::initializer_list<uint8_t> input_ids) {
        int ends[2];
        ASSERT_EQ(::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, ends), 0);
        device_.reset(ends[1]);
        stream_.emplace(UniqueFd(ends[0]), collection_with_inputs(input_ids));
        ASSERT_TRUE(stream_->valid());
    }
    void device_sends(const Bytes& report) {
        ASSERT_EQ(::send(device_.get(), report.data(), report.size(), 0),
                  static_cast<ssize_t>(report.size()));
    }
    Bytes device_receives() {
        std::array<uint8_t, 128> buffer{};
        const ssize_t got = ::recv(device_.get(), buffer.data(), buffer.size(), MSG_DONTWAIT);
        return got > 0 ? Bytes(buffer.begin(), buffer.begin() + got) : Bytes{};
    }
    // The report read, or nothing when read gave 0.
    std::optional<Bytes> read(int timeout_ms) {
        std::array<uint8_t, 64> buffer{};
        size_t transferred = 99;
        const int result = stream_->read(buffer, transferred, timeout_ms);
        if (result == 0) {
            EXPECT_EQ(transferred, 0u);
            return std::nullopt;
        }
        EXPECT_EQ(result, 1);
        return Bytes(buffer.begin(), buffer.begin() + static_cast<long>(transferred));
    }

    UniqueFd device_;
    std::optional<ReportStream> stream_;
};

TEST_F(ReportStreamTest, ReadSkipsReportsOfOtherCollectionsOnTheNode) {
    open_stream({3, 5});
    device_sends({0x04, 0xAA, 0xBB});
    device_sends({0x03, 0x23, 0x11});
    device_sends({0x01, 0x00});
    device_sends({0x05, 0x42});
    EXPECT_THAT(read(-1), ::testing::Optional(ElementsAre(0x03, 0x23, 0x11)));
    EXPECT_THAT(read(-1), ::testing::Optional(ElementsAre(0x05, 0x42)));
    EXPECT_EQ(read(0), std::nullopt);
}

TEST_F(ReportStreamTest, OnlyForeignReportsEndInTimeOut) {
    open_stream({4});
    device_sends({0x03, 0x23, 0x11});
    EXPECT_EQ(read(20), std::nullopt);
}

TEST_F(ReportStreamTest, ReportsWithoutIdGetByteZeroPrepended) {
    open_stream({});
    device_sends({0xAA, 0xBB, 0xCC});
    EXPECT_THAT(read(-1), ::testing::Optional(ElementsAre(0x00, 0xAA, 0xBB, 0xCC)));
}

TEST_F(ReportStreamTest, WritePassesTheWholeReportIncludingIdByte) {
    open_stream({});
    const Bytes report = {0x00, 0x01, 0x02, 0x03};
    size_t transferred = 0;
    EXPECT_EQ(stream_->write(report, transferred, 100), 1);
    EXPECT_EQ(transferred, report.size());
    EXPECT_EQ(device_receives(), report);
}

TEST_F(ReportStreamTest, SilentDeviceTimesOut) {
    open_stream({3});
    EXPECT_EQ(read(10), std::nullopt);
    EXPECT_EQ(read(0), std::nullopt);
}

TEST_F(ReportStreamTest, AbortFromAnotherThreadEndsABlockedRead) {
    open_stream({3});
    std::thread closer([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        stream_->abort();
    });
    // Without the abort this read would wait forever and the test would hang.
    EXPECT_EQ(read(-1), std::nullopt);
    closer.join();
}

TEST_F(ReportStreamTest, AbortEndsEveryLaterReadAndWriteEvenWithDataWaiting) {
    open_stream({3});
    stream_->abort();
    device_sends({0x03, 0x01, 0x02});
    EXPECT_TRUE(stream_->aborted());
    EXPECT_EQ(read(-1), std::nullopt);
    EXPECT_EQ(read(-1), std::nullopt);
    size_t transferred = 0;
    const Bytes report = {0x03, 0x01};
    EXPECT_EQ(stream_->write(report, transferred, -1), 0);
    EXPECT_TRUE(device_receives().empty());
}

TEST_F(ReportStreamTest, ClosedPeerEndsReadAsDeviceLoss) {
    open_stream({3});
    device_.reset();
    EXPECT_EQ(read(-1), std::nullopt);
}

TEST_F(ReportStreamTest, ReportQueuedBeforeLossIsStillDelivered) {
    open_stream({3});
    device_sends({0x03, 0x07});
    device_.reset();
    EXPECT_THAT(read(-1), ::testing::Optional(ElementsAre(0x03, 0x07)));
    EXPECT_EQ(read(-1), std::nullopt);
}

// A node that always claims to be ready (or whose waits a signal always cuts short) yet
// refuses every transfer for now, until it has been tried `kYieldsAfter` times.
class StubbornNode : public NodeCalls {
public:
    static constexpr int kYieldsAfter = 400;

    explicit StubbornNode(bool waits_interrupted) : waits_interrupted_(waits_interrupted) {}
    int poll(pollfd* fds, nfds_t count, int) const override {
        if (waits_interrupted_ && refuse()) {
            errno = EINTR;
            return -1;
        }
        for (nfds_t i = 0; i < count; ++i) fds[i].revents = i == 0 ? 0 : fds[i].events;
        return 1;
    }
    ssize_t read(int, void* buffer, size_t size) const override {
        if (refuse()) return -1;
        static_cast<uint8_t*>(buffer)[0] = 0x03;
        return static_cast<ssize_t>(size);
    }
    ssize_t write(int, const void*, size_t size) const override {
        return refuse() ? -1 : static_cast<ssize_t>(size);
    }
    int attempts() const { return attempts_; }

private:
    // Each refusal takes a millisecond, so giving in takes far longer than the time-outs.
    bool refuse() const {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        if (++attempts_ >= kYieldsAfter) return false;
        errno = EAGAIN;
        return true;
    }
    bool waits_interrupted_;
    mutable std::atomic<int> attempts_{0};
};

TEST(ReportStreamDeadlineTest, RetriesEndAtTheTimeOutOnANodeThatNeverTakesOrGives) {
    for (const bool interrupted : {false, true}) {
        for (const int timeout_ms : {0, 20}) {
            SCOPED_TRACE(::testing::Message() << "interrupted " << interrupted << ", time-out "
                                              << timeout_ms);
            int ends[2];
            ASSERT_EQ(::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, ends), 0);
            UniqueFd peer(ends[1]);
            auto node = std::make_shared<StubbornNode>(interrupted);
            ReportStream stream{UniqueFd(ends[0]), collection_with_inputs({3}), node};
            std::array<uint8_t, 8> report{};
            size_t transferred = 0;
            EXPECT_EQ(stream.write(report, transferred, timeout_ms), 0);
            EXPECT_EQ(stream.read(report, transferred, timeout_ms), 0);
            EXPECT_LT(node->attempts(), StubbornNode::kYieldsAfter);
        }
    }
}

}  // namespace
}  // namespace ilmo::platform
