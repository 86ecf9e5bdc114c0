#pragma once
// A command collection whose device side is a script, for what the emulator cannot stage on
// cue: exact answers and their order, a node queue filled with other collections' reports,
// a writer held inside its write. It records every request and the time-out of every read
// and write. Reads never wait: an empty queue is a time-out at once.

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "device/CommandPacket.h"
#include "device/HidBackend.h"

namespace ilmo::device::testing {

using Report = std::vector<uint8_t>;

// The answer a well-behaved device gives: the request's command, length and address echoed,
// status 0, and as data the low byte of each address read.
inline Report echo_answer(const Packet& request) {
    Report answer(request.begin(), request.end());
    const unsigned address =
        request[packet_offset::kAddressLow] | (request[packet_offset::kAddressHigh] << 8);
    answer[packet_offset::kStatus] = 0;
    for (size_t i = 0; i < kPacketPayloadMax; ++i)
        answer[packet_offset::kPayload + i] = static_cast<uint8_t>(address + i);
    return answer;
}

struct ScriptedDevice {
    // Linux hidraw keeps this many reports per open node and drops the newest when full.
    static constexpr size_t kQueueReports = 64;

    // Answers to one request, queued in order; the default answers like a good device.
    std::function<std::vector<Report>(const Packet& request)> respond = [](const Packet& r) {
        return std::vector<Report>{echo_answer(r)};
    };
    // Runs inside each write before the answers are queued (the writer holds the channel's
    // wire at that moment).
    std::function<void(const Packet& request)> on_write;
    bool listing_fails = false;
    std::vector<UnusableInterface> unusable;  // what enumeration saw but cannot offer

    // Reports of every collection on the node, as the device sent them.
    void queue(Report report) {
        std::lock_guard lock(mutex);
        if (waiting.size() < kQueueReports) waiting.push_back(std::move(report));
    }
    std::vector<Packet> requests_sent() {
        std::lock_guard lock(mutex);
        return requests;
    }
    // Command bytes of the requests, in order.
    std::vector<uint8_t> commands_sent() {
        std::vector<uint8_t> commands;
        for (const Packet& request : requests_sent())
            commands.push_back(request[packet_offset::kCommand]);
        return commands;
    }

    std::mutex mutex;
    std::deque<Report> waiting;
    std::vector<Packet> requests;
    std::vector<int> write_timeouts_ms;
    std::vector<int> read_timeouts_ms;
};

// The vendor command collection: input and output report 4, 63 bytes each.
inline TopLevelCollection command_collection() {
    TopLevelCollection collection;
    collection.usage_page = 0xFF1C;
    collection.usage = 0x92;
    collection.uses_report_ids = true;
    collection.reports = {{kCommandReportId, ReportDirection::Input, 63 * 8},
                          {kCommandReportId, ReportDirection::Output, 63 * 8}};
    return collection;
}

class ScriptedHandle : public HidHandle {
public:
    explicit ScriptedHandle(std::shared_ptr<ScriptedDevice> device)
        : device_(std::move(device)), collection_(command_collection()) {}

    const HidAttributes& attributes() const override { return attributes_; }
    const TopLevelCollection& collection() const override { return collection_; }

    // Other collections' reports on the node are skipped, as the seam promises.
    int read(std::span<uint8_t> report, size_t& transferred, int timeout_ms) override {
        std::lock_guard lock(device_->mutex);
        device_->read_timeouts_ms.push_back(timeout_ms);
        transferred = 0;
        while (!device_->waiting.empty()) {
            Report next = std::move(device_->waiting.front());
            device_->waiting.pop_front();
            if (next.empty() || next[0] != kCommandReportId) continue;
            transferred = std::min(next.size(), report.size());
            std::copy_n(next.begin(), transferred, report.begin());
            return 1;
        }
        return 0;
    }

    int write(std::span<const uint8_t> report, size_t& transferred, int timeout_ms) override {
        Packet request{};
        std::copy_n(report.begin(), std::min(report.size(), request.size()), request.begin());
        {
            std::lock_guard lock(device_->mutex);
            device_->write_timeouts_ms.push_back(timeout_ms);
            device_->requests.push_back(request);
        }
        if (device_->on_write) device_->on_write(request);
        for (Report& answer : device_->respond(request)) device_->queue(std::move(answer));
        transferred = report.size();
        return 1;
    }

    int set_output_report(std::span<const uint8_t>) override { return 0; }
    void abort() override {}

private:
    std::shared_ptr<ScriptedDevice> device_;
    HidAttributes attributes_{0x320F, 0x5012, 0x0100};
    TopLevelCollection collection_;
};

class ScriptedBackend : public HidBackend {
public:
    static constexpr const char* kPath = "scripted#vid_320f&pid_5012&mi_01&col04";

    explicit ScriptedBackend(std::shared_ptr<ScriptedDevice> device) : device_(std::move(device)) {}

    bool enumerate(std::vector<std::string>& paths) override {
        paths.clear();
        if (device_->listing_fails) return false;
        paths.push_back(kPath);
        return true;
    }
    bool enumerate_all(std::vector<std::string>& paths,
                       std::vector<UnusableInterface>& unusable) override {
        unusable = device_->unusable;
        return enumerate(paths);
    }
    std::unique_ptr<HidHandle> open(const std::string& path, const OpenOptions&) override {
        if (path != kPath) return nullptr;
        return std::make_unique<ScriptedHandle>(device_);
    }
    bool present(const std::string& path) override { return path == kPath; }
    void wait_for_change(int) override {}
    void wake() override {}

private:
    std::shared_ptr<ScriptedDevice> device_;
};

// Holds whoever passes it until opened; tells when someone is waiting there.
class Gate {
public:
    void pass() {
        std::unique_lock lock(mutex_);
        ++arrived_;
        changed_.notify_all();
        changed_.wait(lock, [&] { return open_; });
    }
    // False when nobody arrives within the hang guard.
    bool wait_for_arrival() {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, std::chrono::seconds(10), [&] { return arrived_ > 0; });
    }
    void open() {
        std::lock_guard lock(mutex_);
        open_ = true;
        changed_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    int arrived_ = 0;
    bool open_ = false;
};

}  // namespace ilmo::device::testing
