#include "capture/MonitorStream.h"

#include <pulse/channelmap.h>
#include <pulse/context.h>
#include <pulse/introspect.h>
#include <pulse/mainloop.h>
#include <pulse/rtclock.h>
#include <pulse/stream.h>
#include <pulse/subscribe.h>

#include <optional>
#include <utility>

#include "capture/CaptureTiming.h"
#include "capture/PacketBytes.h"

namespace ilmo::capture {

// libpulse's objects for one connection and the callbacks that drive them. Everything here
// runs on the thread inside run().
struct MonitorStream::Loop {
    Loop(std::string server_address, IPlaybackCaptureEvent& capture_listener,
         std::function<void()> running)
        : server(std::move(server_address)),
          listener(capture_listener),
          on_running(std::move(running)) {}

    std::string server;
    IPlaybackCaptureEvent& listener;
    std::function<void()> on_running;
    pa_mainloop* mainloop = nullptr;
    pa_context* context = nullptr;
    pa_stream* stream = nullptr;
    std::string sink_name;  // the output whose monitor is recorded
    CaptureFormat format;
    EmptyPacketCounter empty_packets;
    std::optional<StreamEnd> end;
    bool ran = false;

    void finish(StreamEnd why) {
        if (!end) end = why;
    }
    void take(pa_operation* operation) {
        if (operation) {
            pa_operation_unref(operation);
        } else {
            finish(StreamEnd::failed);
        }
    }
    // The answer goes to on_server_info: the output to record, or the check that it still
    // is the default one.
    void ask_default_output() { take(pa_context_get_server_info(context, on_server_info, this)); }
    void open_stream(const char* monitor_source, const pa_sample_spec& output_spec,
                     const pa_channel_map& output_channels);
    void deliver_packets();
    void stream_ready();

    static void on_context_state(pa_context* context, void* self);
    static void on_server_event(pa_context*, pa_subscription_event_type_t type, uint32_t,
                                void* self);
    static void on_server_info(pa_context*, const pa_server_info* info, void* self);
    static void on_sink_info(pa_context*, const pa_sink_info* info, int eol, void* self);
    static void on_stream_state(pa_stream* stream, void* self);
    static void on_readable(pa_stream*, size_t, void* self) {
        static_cast<Loop*>(self)->deliver_packets();
    }
    static void on_running_limit(pa_mainloop_api*, pa_time_event*, const timeval*, void* self) {
        auto& loop = *static_cast<Loop*>(self);
        if (!loop.ran) loop.finish(StreamEnd::failed);
    }
};

void MonitorStream::Loop::on_context_state(pa_context* context, void* self) {
    auto& loop = *static_cast<Loop*>(self);
    switch (pa_context_get_state(context)) {
        case PA_CONTEXT_READY:
            // A change of the default output arrives as a change of the server.
            pa_context_set_subscribe_callback(context, on_server_event, self);
            loop.take(pa_context_subscribe(context, PA_SUBSCRIPTION_MASK_SERVER, nullptr, nullptr));
            loop.ask_default_output();
            break;
        case PA_CONTEXT_FAILED:
        case PA_CONTEXT_TERMINATED:
            loop.finish(StreamEnd::failed);
            break;
        default:
            break;
    }
}

void MonitorStream::Loop::on_server_event(pa_context*, pa_subscription_event_type_t type, uint32_t,
                                          void* self) {
    auto& loop = *static_cast<Loop*>(self);
    if ((type & PA_SUBSCRIPTION_EVENT_FACILITY_MASK) != PA_SUBSCRIPTION_EVENT_SERVER) return;
    if (!loop.sink_name.empty()) loop.ask_default_output();
}

void MonitorStream::Loop::on_server_info(pa_context*, const pa_server_info* info, void* self) {
    auto& loop = *static_cast<Loop*>(self);
    if (!info || !info->default_sink_name) {
        loop.finish(StreamEnd::failed);
    } else if (loop.sink_name.empty()) {
        loop.sink_name = info->default_sink_name;
        loop.take(pa_context_get_sink_info_by_name(loop.context, loop.sink_name.c_str(),
                                                   on_sink_info, self));
    } else if (loop.sink_name != info->default_sink_name) {
        loop.finish(StreamEnd::output_changed);
    }
}

void MonitorStream::Loop::on_sink_info(pa_context*, const pa_sink_info* info, int eol, void* self) {
    auto& loop = *static_cast<Loop*>(self);
    if (eol < 0) {
        loop.finish(StreamEnd::failed);
    } else if (info && !loop.stream) {
        loop.open_stream(info->monitor_source_name, info->sample_spec, info->channel_map);
    }
}

void MonitorStream::Loop::open_stream(const char* monitor_source, const pa_sample_spec& output_spec,
                                      const pa_channel_map& output_channels) {
    const auto sixteen_bit = sixteen_bit_format(output_spec.rate, output_spec.channels);
    if (!monitor_source || !sixteen_bit) {
        finish(StreamEnd::failed);
        return;
    }
    format = *sixteen_bit;
    const pa_sample_spec sample_format{PA_SAMPLE_S16LE, format.sample_rate_hz,
                                       static_cast<uint8_t>(format.channels)};
    // The output's own channel layout: libpulse has no default one past six channels, so a
    // 7.1 output would refuse a stream without it.
    const bool layout_fits = pa_channel_map_valid(&output_channels) != 0 &&
                             output_channels.channels == sample_format.channels;
    stream = pa_stream_new(context, "music capture", &sample_format,
                           layout_fits ? &output_channels : nullptr);
    if (!stream) {
        finish(StreamEnd::failed);
        return;
    }
    pa_stream_set_state_callback(stream, on_stream_state, this);
    pa_stream_set_read_callback(stream, on_readable, this);
    pa_buffer_attr buffer{};
    buffer.maxlength = static_cast<uint32_t>(-1);
    buffer.tlength = buffer.prebuf = buffer.minreq = static_cast<uint32_t>(-1);
    buffer.fragsize = fragment_bytes(format, kPacketLength);
    // Not moved by the server: another output means a new stream, opened by the recorder.
    const auto flags =
        static_cast<pa_stream_flags_t>(PA_STREAM_ADJUST_LATENCY | PA_STREAM_DONT_MOVE);
    if (pa_stream_connect_record(stream, monitor_source, &buffer, flags) < 0) {
        finish(StreamEnd::failed);
    }
}

void MonitorStream::Loop::on_stream_state(pa_stream* stream, void* self) {
    auto& loop = *static_cast<Loop*>(self);
    switch (pa_stream_get_state(stream)) {
        case PA_STREAM_READY:
            loop.stream_ready();
            break;
        case PA_STREAM_FAILED:
        case PA_STREAM_TERMINATED:
            loop.finish(StreamEnd::failed);
            break;
        default:
            break;
    }
}

void MonitorStream::Loop::stream_ready() {
    // What the server delivers must be what the rest reads: 16-bit samples in our layout.
    const pa_sample_spec* actual = pa_stream_get_sample_spec(stream);
    if (!actual || actual->format != PA_SAMPLE_S16LE || actual->rate != format.sample_rate_hz ||
        actual->channels != format.channels) {
        finish(StreamEnd::failed);
        return;
    }
    const pa_buffer_attr* buffer = pa_stream_get_buffer_attr(stream);
    const uint32_t fragment = buffer ? buffer->fragsize : fragment_bytes(format, kPacketLength);
    listener.format(format);
    listener.started(period_ms(format, fragment));
    ran = true;
    on_running();
}

void MonitorStream::Loop::deliver_packets() {
    while (!end && pa_stream_readable_size(stream) > 0) {
        const void* data = nullptr;
        size_t length = 0;
        if (pa_stream_peek(stream, &data, &length) < 0) {
            finish(StreamEnd::failed);
            return;
        }
        if (length == 0) return;  // nothing buffered after all (no drop for this case)
        std::vector<uint8_t> bytes = packet_bytes(data, length);
        pa_stream_drop(stream);
        if (is_empty_packet(bytes) && empty_packets.count_empty()) ask_default_output();
        listener.data(std::move(bytes));
    }
}

MonitorStream::MonitorStream(std::string server, IPlaybackCaptureEvent& listener,
                             std::function<void()> on_running)
    : loop_(std::make_unique<Loop>(std::move(server), listener, std::move(on_running))) {
    loop_->mainloop = pa_mainloop_new();
}

MonitorStream::~MonitorStream() {
    if (loop_->stream) {
        pa_stream_disconnect(loop_->stream);
        pa_stream_unref(loop_->stream);
    }
    if (loop_->context) {
        pa_context_disconnect(loop_->context);
        pa_context_unref(loop_->context);
    }
    if (loop_->mainloop) pa_mainloop_free(loop_->mainloop);
}

bool MonitorStream::ran() const {
    return loop_->ran;
}

void MonitorStream::wake() {
    if (loop_->mainloop) pa_mainloop_wakeup(loop_->mainloop);
}

StreamEnd MonitorStream::run(const std::atomic<bool>& stop,
                             std::chrono::milliseconds running_limit) {
    Loop& loop = *loop_;
    if (!loop.mainloop) return StreamEnd::failed;
    loop.context = pa_context_new(pa_mainloop_get_api(loop.mainloop), "ilmo");
    if (!loop.context) return StreamEnd::failed;
    pa_context_set_state_callback(loop.context, Loop::on_context_state, &loop);
    // Freed with the main loop.
    const auto limit_us = std::chrono::duration_cast<std::chrono::microseconds>(running_limit);
    if (!pa_context_rttime_new(loop.context,
                               pa_rtclock_now() + static_cast<pa_usec_t>(limit_us.count()),
                               Loop::on_running_limit, &loop)) {
        return StreamEnd::failed;
    }
    const char* server = loop.server.empty() ? nullptr : loop.server.c_str();
    if (pa_context_connect(loop.context, server, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        return StreamEnd::failed;
    }
    // Asleep in poll() until the server sends something or wake() is called.
    while (!stop.load() && !loop.end) {
        if (pa_mainloop_iterate(loop.mainloop, 1, nullptr) < 0) loop.finish(StreamEnd::failed);
    }
    return stop.load() ? StreamEnd::stop_requested : *loop.end;
}

}  // namespace ilmo::capture
