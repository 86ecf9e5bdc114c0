#include "audio/real/PulseSession.h"

#include <pulse/pulseaudio.h>

#include <chrono>

namespace ilmo::audio {

struct PulseSession::Loop {
    pa_mainloop* mainloop = nullptr;
    pa_context* context = nullptr;
    std::chrono::milliseconds timeout{0};

    ~Loop() {
        if (context) {
            pa_context_disconnect(context);
            pa_context_unref(context);
        }
        if (mainloop) pa_mainloop_free(mainloop);
    }

    // Runs the loop until `done` or the time-out; false on time-out or a broken connection.
    template <typename Done>
    bool run_until(Done done) {
        using namespace std::chrono;
        const auto deadline = steady_clock::now() + timeout;
        while (!done()) {
            if (!PA_CONTEXT_IS_GOOD(pa_context_get_state(context))) return false;
            const auto left_us = duration_cast<microseconds>(deadline - steady_clock::now());
            if (left_us.count() <= 0) return false;
            if (pa_mainloop_prepare(mainloop, static_cast<int>(left_us.count())) < 0 ||
                pa_mainloop_poll(mainloop) < 0 || pa_mainloop_dispatch(mainloop) < 0) {
                return false;
            }
        }
        return true;
    }

    // Waits for an operation; one that times out is cancelled, so its callback (which points
    // at the caller's stack) never runs later.
    bool finish(pa_operation* operation) {
        if (!operation) return false;
        const bool done = run_until(
            [operation] { return pa_operation_get_state(operation) != PA_OPERATION_RUNNING; });
        if (!done) pa_operation_cancel(operation);
        pa_operation_unref(operation);
        return done;
    }
};

namespace {

// Collects the entries of one of libpulse's list queries.
template <typename Info, typename Entry>
struct ListQuery {
    Entry (*convert)(const Info&);
    std::vector<Entry> entries;
    bool failed = false;

    static void on_item(pa_context*, const Info* info, int end_of_list, void* data) {
        auto* self = static_cast<ListQuery*>(data);
        if (end_of_list < 0) {
            self->failed = true;
        } else if (end_of_list == 0 && info) {
            self->entries.push_back(self->convert(*info));
        }
    }
};

std::string property_text(pa_proplist* properties, const char* key) {
    const char* value = properties ? pa_proplist_gets(properties, key) : nullptr;
    return value ? value : "";
}

SinkEntry sink_entry(const pa_sink_info& info) {
    return {info.index, info.name ? info.name : "",
            property_text(info.proplist, "device.vendor.id"),
            property_text(info.proplist, "device.product.id"),
            property_text(info.proplist, "alsa.card")};
}

ModuleEntry module_entry(const pa_module_info& info) {
    return {info.index, info.name ? info.name : "", info.argument ? info.argument : ""};
}

SinkInputEntry sink_input_entry(const pa_sink_input_info& info) {
    return {info.index, info.sink, info.client};
}

void on_success(pa_context*, int success, void* data) {
    *static_cast<bool*>(data) = success != 0;
}

}  // namespace

std::unique_ptr<PulseSession> PulseSession::connect(int timeout_ms) {
    auto loop = std::make_unique<Loop>();
    loop->timeout = std::chrono::milliseconds(timeout_ms);
    loop->mainloop = pa_mainloop_new();
    if (!loop->mainloop) return nullptr;
    loop->context =
        pa_context_new(pa_mainloop_get_api(loop->mainloop), "ILMO RQ07 audio configuration");
    if (!loop->context) return nullptr;
    if (pa_context_connect(loop->context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        return nullptr;
    }
    auto* context = loop->context;
    if (!loop->run_until([context] { return pa_context_get_state(context) == PA_CONTEXT_READY; })) {
        return nullptr;
    }
    return std::unique_ptr<PulseSession>(new PulseSession(std::move(loop)));
}

PulseSession::PulseSession(std::unique_ptr<Loop> loop) : loop_(std::move(loop)) {}
PulseSession::~PulseSession() = default;

std::optional<std::vector<SinkEntry>> PulseSession::sinks() {
    ListQuery<pa_sink_info, SinkEntry> query{sink_entry, {}, false};
    auto* operation = pa_context_get_sink_info_list(loop_->context, query.on_item, &query);
    if (!loop_->finish(operation) || query.failed) return {};
    return std::move(query.entries);
}

std::optional<std::vector<ModuleEntry>> PulseSession::modules() {
    ListQuery<pa_module_info, ModuleEntry> query{module_entry, {}, false};
    auto* operation = pa_context_get_module_info_list(loop_->context, query.on_item, &query);
    if (!loop_->finish(operation) || query.failed) return {};
    return std::move(query.entries);
}

std::optional<std::vector<SinkInputEntry>> PulseSession::sink_inputs() {
    ListQuery<pa_sink_input_info, SinkInputEntry> query{sink_input_entry, {}, false};
    auto* operation = pa_context_get_sink_input_info_list(loop_->context, query.on_item, &query);
    if (!loop_->finish(operation) || query.failed) return {};
    return std::move(query.entries);
}

std::optional<std::string> PulseSession::default_sink() {
    std::optional<std::string> name;
    auto on_info = [](pa_context*, const pa_server_info* info, void* data) {
        auto* out = static_cast<std::optional<std::string>*>(data);
        *out = info && info->default_sink_name ? info->default_sink_name : "";
    };
    if (!loop_->finish(pa_context_get_server_info(loop_->context, on_info, &name))) return {};
    return name;
}

std::optional<uint32_t> PulseSession::load_module(std::string_view name,
                                                  std::string_view arguments) {
    uint32_t index = PA_INVALID_INDEX;
    auto on_index = [](pa_context*, uint32_t result, void* data) {
        *static_cast<uint32_t*>(data) = result;
    };
    const std::string name_text(name);
    const std::string argument_text(arguments);
    auto* operation = pa_context_load_module(loop_->context, name_text.c_str(),
                                             argument_text.c_str(), on_index, &index);
    if (!loop_->finish(operation) || index == PA_INVALID_INDEX) return {};
    return index;
}

bool PulseSession::unload_module(uint32_t index) {
    bool success = false;
    return loop_->finish(pa_context_unload_module(loop_->context, index, on_success, &success)) &&
           success;
}

bool PulseSession::set_default_sink(std::string_view name) {
    bool success = false;
    const std::string text(name);
    return loop_->finish(
               pa_context_set_default_sink(loop_->context, text.c_str(), on_success, &success)) &&
           success;
}

bool PulseSession::move_sink_input(uint32_t index, std::string_view sink_name) {
    bool success = false;
    const std::string text(sink_name);
    return loop_->finish(pa_context_move_sink_input_by_name(loop_->context, index, text.c_str(),
                                                            on_success, &success)) &&
           success;
}

}  // namespace ilmo::audio
