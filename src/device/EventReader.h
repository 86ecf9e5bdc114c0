#pragma once
// The thread that follows a device's event interface: it reads one input report after
// another, without a time-out, and hands the event code of each to its owner. It waits in
// the read itself; stopping rouses the read, so the thread ends at once.

#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "device/ControllerThread.h"
#include "device/HidInterface.h"

namespace ilmo::device {

class EventReader {
public:
    using Handler = std::function<void(uint16_t code)>;
    // After a failed read (the device went, the interface closed) the reader waits this long
    // before it reads again; its removal or its stop comes meanwhile.
    static constexpr int kRetryMs = 100;

    // `exit_trace` is written when the thread ends.
    EventReader(HidInterface& events, std::string exit_trace, TraceSink trace);
    ~EventReader() { stop(); }

    // Stops a running reader first. `handler` runs on the reader's thread.
    void start(Handler handler);
    void stop() { thread_.stop(); }
    bool running() const { return thread_.running(); }

private:
    void run(const StopEvent& stop, const Handler& handler);

    HidInterface& events_;
    std::string exit_trace_;
    TraceSink trace_;
    ControllerThread thread_;
};

}  // namespace ilmo::device
