#pragma once
// One connection to the sound server (PulseAudio, or PipeWire's pulse server) through
// libpulse, with every call synchronous and bounded by a time-out: a server that does not
// answer makes the call fail, never hang. The server is the one libpulse finds by itself
// (PULSE_SERVER, the user's runtime folder); none is started on demand.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ilmo::audio {

struct SinkEntry {
    uint32_t index = 0;
    std::string name;
    // Device properties, empty where the sink has none.
    std::string vendor_id;   // "device.vendor.id"
    std::string product_id;  // "device.product.id"
    std::string alsa_card;   // "alsa.card"
};

struct ModuleEntry {
    uint32_t index = 0;
    std::string name;
    std::string argument;
};

struct SinkInputEntry {
    uint32_t index = 0;
    uint32_t sink = 0;
    uint32_t client = 0;  // PA_INVALID_INDEX for a module's own stream (a filter's, a loopback's)
};

class PulseSession {
public:
    // Empty when no server answers within `timeout_ms`; each later call has the same bound.
    static std::unique_ptr<PulseSession> connect(int timeout_ms);
    ~PulseSession();
    PulseSession(const PulseSession&) = delete;
    PulseSession& operator=(const PulseSession&) = delete;

    std::optional<std::vector<SinkEntry>> sinks();
    std::optional<std::vector<ModuleEntry>> modules();
    std::optional<std::vector<SinkInputEntry>> sink_inputs();
    std::optional<std::string> default_sink();
    // The new module's index; empty when the server refused it.
    std::optional<uint32_t> load_module(std::string_view name, std::string_view arguments);
    bool unload_module(uint32_t index);
    bool set_default_sink(std::string_view name);
    bool move_sink_input(uint32_t index, std::string_view sink_name);

    struct Loop;

private:
    explicit PulseSession(std::unique_ptr<Loop> loop);
    std::unique_ptr<Loop> loop_;
};

}  // namespace ilmo::audio
