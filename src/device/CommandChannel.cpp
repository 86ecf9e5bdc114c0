#include "device/CommandChannel.h"

#include <algorithm>
#include <chrono>
#include <optional>
#include <thread>

#include "device/CommandResult.h"

namespace ilmo::device {

namespace {

constexpr std::string_view kRequestTitle = "命令";
constexpr std::string_view kResponseTitle = "返回";
constexpr std::string_view kLightDroppedTrace = "放弃灯光数据";
constexpr uint64_t kAddressLimit = 0x10000;
// A late answer to an earlier request may come before ours; one more read finds ours.
constexpr int kAnswerReads = 2;
// More than a full input queue of the node (64 reports), so emptying it ends even while the
// device keeps sending.
constexpr int kMaxDiscardedReports = 128;

// Marks the channel busy for as long as configuration work runs, so light frames step aside.
class BusyScope {
public:
    explicit BusyScope(std::atomic<int>& busy) : busy_(busy) { ++busy_; }
    ~BusyScope() { --busy_; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    std::atomic<int>& busy_;
};

// Input that waits before a request is sent can only be stale: answers to requests that
// timed out, and reports of the node's other collections (typing, keep-alives) that nobody
// reads through this handle. Left there they fill the node's bounded queue, which then has
// no room for the device's answer.
void discard_waiting_input(HidInterface& wire) {
    Packet stale{};
    size_t transferred = 0;
    for (int i = 0; i < kMaxDiscardedReports && wire.read(stale, transferred, 0) == 1; ++i) {
    }
}

// Records are addressed by size times index; computed wide so a large index is refused by
// the address check instead of wrapping onto another record.
std::optional<uint64_t> record_address(int record_bytes, int index) {
    if (record_bytes < 0 || index < 0) return std::nullopt;
    return static_cast<uint64_t>(record_bytes) * static_cast<uint64_t>(index);
}

Result status_result(const Packet& response) {
    switch (response[packet_offset::kStatus]) {
        case kStatusError: return Result::kStatusError;
        case kStatusRefused: return Result::kStatusRefused;
        default: return Result::kOk;
    }
}

}  // namespace

SleepFn real_sleep() {
    return [](int duration_ms) {
        std::this_thread::sleep_for(std::chrono::milliseconds(duration_ms));
    };
}

CommandChannel::CommandChannel(HidBackend& backend, TraceSink trace, SleepFn sleep)
    : cable_(backend),
      receiver_(backend),
      trace_(std::move(trace)),
      tracing_(static_cast<bool>(trace_)),
      sleep_(std::move(sleep)) {
    if (!trace_) trace_ = [](std::string_view) {};
    if (!sleep_) sleep_ = real_sleep();
}

void CommandChannel::set_connection_mode(ConnectionMode mode) {
    const bool wireless = mode == ConnectionMode::Receiver;
    wireless_ = wireless;
    chunk_bytes_ = wireless ? kWirelessChunkBytes : kCableChunkBytes;
}

bool CommandChannel::set_block_bytes(int block_bytes) {
    if (block_bytes < 0 || block_bytes > kMaxBlockBytes) return false;
    block_bytes_ = block_bytes;
    return true;
}

Result CommandChannel::transact(const Packet& request, Packet& response, int timeout_ms,
                                bool traced) {
    traced = traced && tracing_;
    if (traced) trace_(format_packet_trace(kRequestTitle, request));
    HidInterface& wire = active();
    discard_waiting_input(wire);
    size_t transferred = 0;
    if (wire.write(request, transferred, timeout_ms) != 1) return Result::kWriteFailed;

    Result outcome = Result::kNoAnswer;
    for (int attempt = 0; attempt < kAnswerReads; ++attempt) {
        response.fill(0);
        if (wire.read(response, transferred, timeout_ms) != 1) {
            outcome = Result::kNoAnswer;
            break;
        }
        if (echoes_request(request, response)) {
            outcome = Result::kOk;
            break;
        }
        if (wireless_ && response[packet_offset::kCommand] == kReceiverAloneEcho) {
            outcome = Result::kReceiverAlone;
            break;
        }
        // Answers to other requests mean this one was not answered: reporting success
        // would hand the caller someone else's data.
        outcome = Result::kNoAnswer;
    }
    if (traced) trace_(format_packet_trace(kResponseTitle, response));
    return outcome;
}

Result CommandChannel::exchange(const Packet& request, Packet& response) {
    if (!open_) return Result::kNoAnswer;
    BusyScope busy(busy_);
    Result outcome;
    {
        std::lock_guard wire(wire_mutex_);
        outcome = transact(request, response, command_timeout_ms(), true);
    }
    return outcome == Result::kOk ? status_result(response) : outcome;
}

Result CommandChannel::exchange_light(const Packet& request) {
    if (!open_) return Result::kNoAnswer;
    std::unique_lock wire(wire_mutex_, std::try_to_lock);
    if (busy() || !wire.owns_lock()) {
        trace_(kLightDroppedTrace);
        ++dropped_light_packets_;
        return Result::kOk;
    }
    Packet response{};
    const Result outcome = transact(request, response, light_timeout_ms(), false);
    return outcome == Result::kOk ? status_result(response) : outcome;
}

Result CommandChannel::chunked_read(const Chunking& how, std::span<uint8_t> destination) {
    if (how.base_address + destination.size() > kAddressLimit) return Result::kWriteFailed;
    std::lock_guard lock(command_mutex_);
    BusyScope busy(busy_);
    Packet response{};
    for (size_t offset = 0; offset < destination.size();) {
        const size_t n = std::min<size_t>(how.chunk_bytes, destination.size() - offset);
        const auto address = static_cast<uint16_t>(how.base_address + offset);
        const Packet request = make_request(how.command, static_cast<uint8_t>(n), address);
        const Result outcome = exchange(request, response);
        if (outcome != Result::kOk) return outcome;
        std::copy_n(response.begin() + packet_offset::kPayload, n, destination.begin() + offset);
        offset += n;
    }
    return Result::kOk;
}

Result CommandChannel::chunked_write(const Chunking& how, std::span<const uint8_t> data) {
    if (how.base_address + data.size() > kAddressLimit) return Result::kWriteFailed;
    const bool frame = how.command == Command::WriteLightFrame;
    std::unique_lock lock(how.lock == Lock::Lighting ? lighting_mutex_ : command_mutex_);
    std::optional<BusyScope> busy;
    if (!frame) busy.emplace(busy_);
    Packet response{};
    for (size_t offset = 0; offset < data.size();) {
        const size_t n = std::min<size_t>(how.chunk_bytes, data.size() - offset);
        const auto address = static_cast<uint16_t>(how.base_address + offset);
        const Packet request =
            make_request(how.command, static_cast<uint8_t>(n), address, data.subspan(offset, n));
        const Result outcome = frame ? exchange_light(request) : exchange(request, response);
        if (outcome != Result::kOk) return outcome;
        offset += n;
    }
    return Result::kOk;
}

Result CommandChannel::single(Command command) {
    std::lock_guard lock(command_mutex_);
    Packet response{};
    return exchange(make_request(command, 0, 0), response);
}

Result CommandChannel::begin_transfer() { return single(Command::BeginTransfer); }

Result CommandChannel::end_transfer() {
    sleep_(kEndTransferPauseMs);
    return single(Command::EndTransfer);
}

Result CommandChannel::light_status_on() { return single(Command::LightStatusOn); }

Result CommandChannel::read_information(std::span<uint8_t, kInformationBytes> information) {
    return chunked_read({Command::ReadInformation, 0, chunk_bytes(), Lock::Command}, information);
}

Result CommandChannel::read_memory(uint16_t address, std::span<uint8_t> destination) {
    return chunked_read({Command::ReadMemory, address, chunk_bytes(), Lock::Command}, destination);
}

Result CommandChannel::write_memory(uint16_t address, std::span<const uint8_t> data) {
    return chunked_write({Command::WriteMemory, address, chunk_bytes(), Lock::Command}, data);
}

Result CommandChannel::read_table(std::span<uint8_t> destination) {
    const size_t n = std::min<size_t>(destination.size(), static_cast<size_t>(block_bytes()));
    return chunked_read({Command::ReadTable, 0, chunk_bytes(), Lock::Command},
                        destination.first(n));
}

Result CommandChannel::table_write(Command command, int bank, std::span<const uint8_t> table) {
    if (bank != 0) return Result::kBadBank;
    std::vector<uint8_t> block(static_cast<size_t>(block_bytes()), 0);
    std::copy_n(table.begin(), std::min(table.size(), block.size()), block.begin());
    const auto base = static_cast<uint64_t>(bank * kTableBankBytes);
    return chunked_write({command, base, chunk_bytes(), Lock::Command}, block);
}

Result CommandChannel::write_table(int bank, std::span<const uint8_t> table) {
    return table_write(Command::WriteTable, bank, table);
}

Result CommandChannel::write_second_table(int bank, std::span<const uint8_t> table) {
    return table_write(Command::WriteSecondTable, bank, table);
}

Result CommandChannel::read_record(int record_bytes, int index, std::span<uint8_t> destination) {
    const auto base = record_address(record_bytes, index);
    if (!base) return Result::kWriteFailed;
    return chunked_read({Command::ReadRecord, *base, chunk_bytes(), Lock::Command}, destination);
}

Result CommandChannel::write_record(int record_bytes, int index, std::span<const uint8_t> data) {
    const auto base = record_address(record_bytes, index);
    if (!base) return Result::kWriteFailed;
    return chunked_write({Command::WriteRecord, *base, chunk_bytes(), Lock::Lighting}, data);
}

Result CommandChannel::write_light_frame(std::span<const uint8_t> frame) {
    return chunked_write({Command::WriteLightFrame, 0, chunk_bytes(), Lock::Lighting}, frame);
}

Result CommandChannel::write_stream(std::span<const uint8_t> data) {
    return chunked_write({Command::WriteStream, 0, chunk_bytes(), Lock::Command}, data);
}

Result CommandChannel::write_stream_56(std::span<const uint8_t> data) {
    // Runs under the command lock as well: its packets must not land between those of
    // another command's transfer.
    return chunked_write(
        {Command::WriteStream56, 0, static_cast<uint8_t>(kPacketPayloadMax), Lock::Command},
        data);
}

Result CommandChannel::read_short(uint16_t address, std::span<uint8_t> destination) {
    const size_t n = std::min(destination.size(), kPacketPayloadMax);
    return chunked_read(
        {Command::ReadShort, address, static_cast<uint8_t>(kPacketPayloadMax), Lock::Command},
        destination.first(n));
}

Result CommandChannel::read_key_bytes(std::span<uint8_t> destination) {
    const size_t n = std::min<size_t>(destination.size(), static_cast<size_t>(block_bytes() / 3));
    return chunked_read({Command::ReadKeyBytes, 0, chunk_bytes(), Lock::Command},
                        destination.first(n));
}

bool CommandChannel::link_query() {
    if (!wireless_) return true;
    std::lock_guard lock(command_mutex_);
    Packet response{};
    return exchange(make_request(Command::LinkQuery, 0, 0), response) == Result::kOk &&
           response[packet_offset::kPayload] == kLinkedMarker;
}

}  // namespace ilmo::device
