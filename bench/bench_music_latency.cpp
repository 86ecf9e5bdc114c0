// From a tone starting in the default output to the first keyboard frame that shows it, along
// the program's own route: capture of the output's monitor, the levels notice queued to the
// window's thread, the band step, the keyboard's audio input, the preview's music mode (audio
// mode 0), the host frame built on the window's thread when the preview's lights change (as
// the keyboard page does; the page's frame timer only starts the stream), and the emulated
// keyboard's light frame memory. A private sound server with a null output; the tone is written through
// libpulse's simple API, and its instant is that of the first write of non-silent samples.
// Repeated 20 times, the picture back at rest before each; prints median, best and worst and
// where the time goes. Goal: under 50 ms.

#include <pulse/error.h>
#include <pulse/simple.h>

#include <QCoreApplication>
#include <QObject>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <mutex>
#include <numbers>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "KeyboardBenchRig.h"
#include "audio_real/PrivatePulseDaemon.h"
#include "capture/CAudioRecorImpl.h"
#include "device/DeviceView.h"
#include "keyboard/SettingsRecord.h"
#include "lighting/AudioBands.h"
#include "presence/ItemTimer.h"

namespace {

using namespace ilmo;
using Clock = std::chrono::steady_clock;
using Millis = std::chrono::duration<double, std::milli>;

constexpr int kRepeats = 20;
constexpr double kGoalMs = 50;
constexpr int kRateHz = 44100;
constexpr int kChannels = 2;
constexpr double kToneHz = 1000;
constexpr double kToneAmplitude = 8000;
constexpr int kChunkFrames = kRateHz / 200;  // 5 ms a write
constexpr auto kWatchPeriod = std::chrono::microseconds(250);
constexpr auto kRestHeld = std::chrono::milliseconds(600);
constexpr auto kGuard = std::chrono::seconds(5);

std::vector<uint8_t> light_frame(sim::SimBus& bus) {
    return bus.with_firmware(sim::SimProduct::Keyboard, [](sim::Firmware& firmware) {
        return firmware.read(sim::FirmwareMemory::LightFrame, 0,
                             firmware.size_bytes(sim::FirmwareMemory::LightFrame));
    });
}

// The instants of one repetition's way through the route.
struct Instants {
    Clock::time_point tone;
    std::optional<Clock::time_point> first_notice;    // capture thread hands it over
    std::optional<Clock::time_point> first_handover;  // the keyboard's audio input
    int notices_before_handover = 0;
    std::optional<Clock::time_point> step_drawn;    // the preview's lights first differ from rest
    std::optional<Clock::time_point> frame_posted;  // the first frame built after that
    std::optional<Clock::time_point> frame;         // the changed picture in the keyboard's memory
};

std::vector<device::ColorRecord> preview_lights(const keyboard::CTavrinKeyboardDevice& keyboard) {
    std::vector<device::ColorRecord> lights;
    for (int i = 0; i < keyboard.light_count(); ++i) lights.push_back(keyboard.color(i));
    return lights;
}

// The window's side: notices queued to the Qt thread, band step, keyboard audio input.
// It is also the page's view: the lighting thread reports each tick of the preview to it,
// and as the keyboard page does it has the keyboard build a frame on the Qt thread then.
class WindowRoute final : public capture::CaptureWindow, public device::DeviceView {
public:
    explicit WindowRoute(keyboard::CTavrinKeyboardDevice& keyboard) : keyboard_(keyboard) {}

    void show_power(const device::PowerStatus&) override {}
    void select_function_tabs(const device::FunctionSwitchTabs&) override {}
    void lights_changed() override {
        {
            std::lock_guard lock(mutex_);
            if (armed_ && instants_.first_handover && !instants_.step_drawn &&
                preview_lights(keyboard_) != rest_lights_)
                instants_.step_drawn = Clock::now();
        }
        if (!keyboard_.frames_follow_lights() || frame_queued_.exchange(true)) return;
        QMetaObject::invokeMethod(
            &receiver_,
            [this] {
                frame_queued_ = false;
                frame_built();
                static_cast<void>(keyboard_.build_and_send_frame());
            },
            Qt::QueuedConnection);
    }
    // A frame is about to be built from the preview's lights.
    void frame_built() {
        std::lock_guard lock(mutex_);
        if (armed_ && instants_.step_drawn && !instants_.frame_posted)
            instants_.frame_posted = Clock::now();
    }
    void keep_rest_lights() {
        std::lock_guard lock(mutex_);
        rest_lights_ = preview_lights(keyboard_);
    }

    void copy_data(capture::CopyData notice) override {
        const auto now = Clock::now();
        if (notice.number == capture::kLevelsNotice) {
            std::lock_guard lock(mutex_);
            if (armed_ && !instants_.first_notice) instants_.first_notice = now;
            if (armed_ && !instants_.first_handover) ++instants_.notices_before_handover;
        }
        QMetaObject::invokeMethod(
            &receiver_, [this, notice = std::move(notice)] { handle(notice); },
            Qt::QueuedConnection);
    }

    // Hands the band step `count` notices that change nothing (the last levels again), and
    // returns when it has taken them: the bands' running means decay (a silent output sends
    // no notices, so they keep the last tone's), and the every-third count moves on.
    void unchanged_notices(int count) {
        for (int i = 0; i < count; ++i)
            QMetaObject::invokeMethod(
                &receiver_, [this] { take(last_levels_); }, Qt::BlockingQueuedConnection);
    }

    void arm() {
        std::lock_guard lock(mutex_);
        instants_ = Instants{};
        armed_ = true;
    }
    Instants disarm() {
        std::lock_guard lock(mutex_);
        armed_ = false;
        return instants_;
    }

private:
    void handle(const capture::CopyData& notice) {
        const auto levels =
            lighting::parse_levels_notice(notice.number, notice.byte_count, notice.bytes);
        if (levels) take(*levels);
    }

    void take(const lighting::FrequencyLevels& levels) {
        last_levels_ = levels;
        const device::DeviceKind in_use[] = {device::DeviceKind::Keyboard};
        const lighting::BandOutput bands = bands_.step(levels, in_use);
        if (!bands.keyboard) return;
        {
            std::lock_guard lock(mutex_);
            if (armed_ && !instants_.first_handover) instants_.first_handover = Clock::now();
        }
        keyboard_.audio_input(*bands.keyboard);
    }

    keyboard::CTavrinKeyboardDevice& keyboard_;
    lighting::BandStep bands_;
    lighting::FrequencyLevels last_levels_{};  // the Qt thread's
    QObject receiver_;
    std::atomic<bool> frame_queued_{false};
    std::mutex mutex_;
    bool armed_ = false;
    Instants instants_;
    std::vector<device::ColorRecord> rest_lights_;
};

// A playback stream on the default output of `server`, opened before the tone starts so the
// tone's instant is only the write.
class TonePlayer {
public:
    explicit TonePlayer(const std::string& server) {
        const pa_sample_spec sample_format{PA_SAMPLE_S16LE, kRateHz, kChannels};
        pa_buffer_attr buffer{};
        buffer.maxlength = static_cast<uint32_t>(-1);
        buffer.tlength = static_cast<uint32_t>(2 * chunk_bytes());
        buffer.prebuf = static_cast<uint32_t>(chunk_bytes());
        buffer.minreq = static_cast<uint32_t>(-1);
        buffer.fragsize = static_cast<uint32_t>(-1);
        int error = 0;
        stream_ = pa_simple_new(server.c_str(), "bench", PA_STREAM_PLAYBACK, nullptr, "tone",
                                &sample_format, nullptr, &buffer, &error);
        if (!stream_) std::fprintf(stderr, "no playback stream: %s\n", pa_strerror(error));
    }
    ~TonePlayer() {
        if (stream_) pa_simple_free(stream_);
    }
    bool ok() const { return stream_ != nullptr; }

    // Plays the tone until `stop`; `started` gets the instant of the first write.
    void play(const std::atomic<bool>& stop, Clock::time_point& started) {
        std::vector<int16_t> chunk(static_cast<size_t>(kChunkFrames * kChannels));
        for (uint64_t frame = 0; !stop;) {
            for (size_t i = 0; i < chunk.size(); i += kChannels, ++frame) {
                const double phase = 2 * std::numbers::pi * kToneHz * frame / kRateHz;
                chunk[i] = chunk[i + 1] =
                    static_cast<int16_t>(std::lround(kToneAmplitude * std::sin(phase)));
            }
            if (frame == static_cast<uint64_t>(kChunkFrames)) started = Clock::now();
            int error = 0;
            if (pa_simple_write(stream_, chunk.data(), chunk_bytes(), &error) < 0) return;
        }
    }

private:
    static size_t chunk_bytes() { return kChunkFrames * kChannels * sizeof(int16_t); }
    pa_simple* stream_ = nullptr;
};

// Polls the keyboard's light frame memory; nullopt after the guard time.
template <class Pred>
std::optional<Clock::time_point> wait_for_frame(sim::SimBus& bus, Pred&& pred) {
    const auto deadline = Clock::now() + kGuard;
    while (Clock::now() < deadline) {
        if (pred(light_frame(bus))) return Clock::now();
        std::this_thread::sleep_for(kWatchPeriod);
    }
    return std::nullopt;
}

// Waits until the picture has shown `rest` for kRestHeld without a break.
bool wait_for_rest(sim::SimBus& bus, const std::vector<uint8_t>& rest) {
    const auto deadline = Clock::now() + 3 * kGuard;
    auto since = Clock::now();
    while (Clock::now() < deadline) {
        if (light_frame(bus) != rest) since = Clock::now();
        if (Clock::now() - since >= kRestHeld) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}

double ms(Clock::time_point from, Clock::time_point to) {
    return Millis(to - from).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Figures {
    double warm_up_ms = 0;
    std::vector<double> total, to_notice, to_handover, to_step, to_post, to_memory, notices;
};

// One tone from the picture at rest to the first frame that differs; nullopt when a stage
// was not reached within the guard time.
// Between tones the capture falls silent at a place of the every-third count that depends on
// how long the last tone played. Before each tone the bands' means decay to nothing, and
// `shift` more notices move the count, so the tones meet it at each of its three places in
// turn, as music does.
constexpr int kDecayNotices = 6;  // each quarters the means: 11000 / 4^6 < 3, drawn as silence

std::optional<Instants> one_tone(const std::string& server, sim::SimBus& bus, WindowRoute& window,
                                 const std::vector<uint8_t>& rest, int shift = 0) {
    // At rest the last tone's notices are all in; what the decay's notices draw fades again.
    for (int notices : {kDecayNotices, shift}) {
        if (!wait_for_rest(bus, rest)) {
            std::fprintf(stderr, "the picture did not come back to rest\n");
            return std::nullopt;
        }
        window.unchanged_notices(notices);
    }
    TonePlayer player(server);
    if (!player.ok()) return std::nullopt;
    std::atomic<bool> stop{false};
    Clock::time_point tone{};
    window.arm();
    std::thread playing([&] { player.play(stop, tone); });
    const auto frame =
        wait_for_frame(bus, [&](const std::vector<uint8_t>& shown) { return shown != rest; });
    stop = true;
    playing.join();
    Instants at = window.disarm();
    at.tone = tone;
    at.frame = frame;
    if (!at.frame || !at.first_notice || !at.first_handover || !at.step_drawn || !at.frame_posted) {
        std::fprintf(stderr, "the tone did not reach the keyboard\n");
        return std::nullopt;
    }
    return at;
}

// The repetitions, on a thread of their own while the Qt thread runs the window's side. A
// first tone is not counted: the server's first stream on an idle output starts slowly.
bool run_repeats(const std::string& server, sim::SimBus& bus, WindowRoute& window,
                 Figures& figures) {
    std::this_thread::sleep_for(std::chrono::seconds(1));
    const std::vector<uint8_t> rest = light_frame(bus);
    window.keep_rest_lights();
    const std::optional<Instants> warm_up = one_tone(server, bus, window, rest);
    if (!warm_up) return false;
    figures.warm_up_ms = ms(warm_up->tone, *warm_up->frame);
    for (int i = 0; i < kRepeats; ++i) {
        const std::optional<Instants> at = one_tone(server, bus, window, rest, i % 3);
        if (!at) return false;
        figures.total.push_back(ms(at->tone, *at->frame));
        figures.to_notice.push_back(ms(at->tone, *at->first_notice));
        figures.to_handover.push_back(ms(*at->first_notice, *at->first_handover));
        figures.to_step.push_back(ms(*at->first_handover, *at->step_drawn));
        figures.to_post.push_back(ms(*at->step_drawn, *at->frame_posted));
        figures.to_memory.push_back(ms(*at->frame_posted, *at->frame));
        figures.notices.push_back(at->notices_before_handover);
    }
    return true;
}

double mean(const std::vector<double>& values) {
    double sum = 0;
    for (double v : values) sum += v;
    return values.empty() ? 0 : sum / static_cast<double>(values.size());
}

// `usb_frame_ms`: what one host frame takes in the emulator's USB model.
void print_figures(const Figures& f, double usb_frame_ms) {
    const double total = median(f.total);
    const auto [best, worst] = std::minmax_element(f.total.begin(), f.total.end());
    std::printf(
        "tone -> keyboard frame over %d tones: median %.1f ms, best %.1f ms, worst %.1f ms"
        " | ratio to goal %.2f, goal < %.0f ms: %s\n",
        kRepeats, total, *best, *worst, total / kGoalMs, kGoalMs,
        bench::goal_verdict(total < kGoalMs));
    std::printf("  (not counted: a first tone on the idle output took %.1f ms)\n", f.warm_up_ms);
    const double mean_total = mean(f.total);
    std::printf("where the time goes (means; all stages %.1f ms):\n", mean_total);
    const auto stage = [mean_total](const char* what, const std::vector<double>& values) {
        std::printf("  %-72s %5.1f ms %3.0f %%\n", what, mean(values),
                    100.0 * mean(values) / mean_total);
    };
    stage("tone -> first levels notice (server, monitor fragment, 1024-value block)", f.to_notice);
    std::printf("  first notice -> keyboard's audio input: %.1f notices (every third reaches it)\n",
                mean(f.notices));
    stage("first notice -> keyboard's audio input (queued call, every third notice)",
          f.to_handover);
    stage("audio input -> preview drawn (the lighting thread's music step)", f.to_step);
    stage("preview drawn -> frame built (queued to the window's thread)", f.to_post);
    stage("frame built -> frame in the keyboard (frame sender, USB packets)", f.to_memory);
    std::printf(
        "  (one frame takes %.1f ms in the USB model; a new one waits for the one in"
        " flight)\n",
        usb_frame_ms);
}

}  // namespace

int main(int argc, char** argv) {
    audio::testing::PrivatePulseDaemon daemon;
    if (!daemon.start()) {
        std::fprintf(stderr, "no private sound server: %s\n", daemon.why().c_str());
        return 1;
    }
    QCoreApplication app(argc, argv);
    bench::KeyboardBenchRig rig(sim::SimProduct::Keyboard);
    keyboard::CTavrinKeyboardDevice& keyboard = rig.keyboard();
    if (!rig.attach() || !device::succeeded(keyboard.load_after_attach())) {
        std::fprintf(stderr, "the keyboard did not load\n");
        return 1;
    }
    device::LightRecord light = keyboard.lighting();
    light.mode = keyboard::kAudioMode;
    static_cast<void>(keyboard.change_lighting(light));

    // The page's frame timer: single-shot, armed again only after a frame went out, as the
    // program's; the frames then follow the preview's changes.
    QTimer frame_timer;
    frame_timer.setSingleShot(true);
    frame_timer.setTimerType(Qt::PreciseTimer);
    WindowRoute window(keyboard);
    keyboard.set_view(&window);
    QObject::connect(&frame_timer, &QTimer::timeout, [&] {
        window.frame_built();
        if (keyboard.build_and_send_frame())
            frame_timer.start(presence::ItemTimerDelays::kFrameCableMs);
    });
    frame_timer.start(presence::ItemTimerDelays::kFirstFrameMs);

    capture::CAudioRecorImpl capture(capture::RecorderOptions{daemon.server()});
    capture.command(capture::kCommandMagic, capture::kRegisterWindow, &window);
    capture.command(capture::kCommandMagic, capture::kStartCapture);
    if (!capture.capturing()) {
        std::fprintf(stderr, "capture did not start\n");
        return 1;
    }

    Figures figures;
    bool done = false;
    std::thread repeats([&] {
        done = run_repeats(daemon.server(), rig.bus(), window, figures);
        QMetaObject::invokeMethod(&app, &QCoreApplication::quit, Qt::QueuedConnection);
    });
    app.exec();
    repeats.join();
    frame_timer.stop();
    capture.command(capture::kCommandMagic, capture::kStopCapture);
    capture.command(capture::kCommandMagic, capture::kRegisterWindow, nullptr);
    keyboard.set_view(nullptr);
    if (!done) return 1;
    const int packets = bench::packets_for(keyboard.information().key_positions() * 3,
                                           keyboard.command_channel().chunk_bytes());
    print_figures(figures, bench::model_frame_time(packets).count());
    return 0;
}
