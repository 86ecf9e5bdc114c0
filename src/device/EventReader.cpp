#include "device/EventReader.h"

#include <array>

#include "device/CommandPacket.h"
#include "device/HidEventCode.h"

namespace ilmo::device {

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
        // The reader is stopped before its interface is opened again, so the collection
        // does not change under it.
        const uint16_t code = event_code(events_.collection(), std::span(report).first(transferred));
        if (code != 0) handler(code);
    }
    if (trace_) trace_(exit_trace_);
}

}  // namespace ilmo::device
