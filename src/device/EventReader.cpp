#include "device/EventReader.h"

#include <array>

#include "device/CommandPacket.h"

namespace ilmo::device {

std::optional<uint16_t> event_code(const std::vector<HidDataEntry>& entries) {
    for (const HidDataEntry& entry : entries) {
        if (!entry.is_button) continue;
        if (entry.usages.empty()) return std::nullopt;
        return static_cast<uint16_t>(entry.usages.front());
    }
    return std::nullopt;
}

EventReader::EventReader(HidInterface& events, std::string exit_trace, TraceSink trace)
    : events_(events), exit_trace_(std::move(exit_trace)), trace_(trace), thread_(trace) {}

void EventReader::start(Handler handler) {
    thread_.start([this, handler = std::move(handler)](const StopEvent& stop) { run(stop, handler); },
                  [this] { events_.abort_reads(); });
}

void EventReader::run(const StopEvent& stop, const Handler& handler) {
    std::array<uint8_t, kPacketBytes> report{};
    while (!stop.is_set()) {
        size_t transferred = 0;
        if (events_.read(report, transferred, -1) != 1) {
            if (stop.wait_for(kRetryMs)) break;
            continue;
        }
        const auto entries = events_.unpack_input_report(std::span(report).first(transferred));
        if (const auto code = event_code(entries)) handler(*code);
    }
    if (trace_) trace_(exit_trace_);
}

}  // namespace ilmo::device
