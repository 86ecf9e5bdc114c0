#include "MusicListen.h"

#include <json/value.h>
#include <json/writer.h>

#include <algorithm>
#include <array>

#include "capture/CAudioRecorImpl.h"
#include "capture/CSingleton.h"

namespace ilmo::ctl {

namespace {

// Darker is louder. A band value of 2000 fills the visualisers' whole height.
constexpr std::string_view kBarRamp = " .:-=+*#%@";
constexpr int kFullHeightValue = 2000;

char bar_of(int value) {
    if (value <= 0) return kBarRamp.front();
    const int steps = static_cast<int>(kBarRamp.size()) - 2;
    return kBarRamp[static_cast<size_t>(1 + std::min(steps, value * steps / kFullHeightValue))];
}

constexpr std::array<device::DeviceKind, 1> kOneKeyboard{device::DeviceKind::Keyboard};

// Takes the window off capture and ends capture; no notice comes after this.
void end_capture(capture::CAudioRecorImpl& entry) {
    entry.command(capture::kCommandMagic, capture::kRegisterWindow, nullptr);
    entry.command(capture::kCommandMagic, capture::kStopCapture);
}

}  // namespace

void ListenWindow::copy_data(capture::CopyData notice) {
    {
        std::lock_guard lock(mutex_);
        notices_.push_back(std::move(notice));
    }
    arrived_.notify_one();
}

std::vector<capture::CopyData> ListenWindow::take_until(
    std::chrono::steady_clock::time_point deadline) {
    std::unique_lock lock(mutex_);
    arrived_.wait_until(lock, deadline, [this] { return !notices_.empty(); });
    std::vector<capture::CopyData> taken(std::make_move_iterator(notices_.begin()),
                                         std::make_move_iterator(notices_.end()));
    notices_.clear();
    return taken;
}

std::optional<lighting::KeyboardBands> KeyboardBandListener::take(const capture::CopyData& notice) {
    const auto levels = lighting::parse_levels_notice(notice.number, notice.byte_count, notice.bytes);
    if (!levels) return std::nullopt;
    ++notices_;
    const lighting::BandOutput output = step_.step(*levels, kOneKeyboard);
    if (output.keyboard) ++sets_;
    return output.keyboard;
}

std::string format_band_set(int set, const lighting::KeyboardBands& bands, bool json) {
    if (json) {
        Json::Value root(Json::objectValue);
        root["set"] = set;
        Json::Value& values = root["bands"] = Json::Value(Json::arrayValue);
        for (const int value : bands) values.append(value);
        Json::StreamWriterBuilder writer;
        writer["indentation"] = "";
        return Json::writeString(writer, root) + '\n';
    }
    std::string bars;
    for (const int value : bands) bars.push_back(bar_of(value));
    return "set " + std::to_string(set) + " |" + bars + "| peak " +
           std::to_string(*std::ranges::max_element(bands)) + '\n';
}

int run_music_listen(const MusicListen& listen, const Output& output) {
    auto& entry = capture::CSingleton<capture::CAudioRecorImpl>::instance();
    ListenWindow window;
    entry.command(capture::kCommandMagic, capture::kRegisterWindow, &window);
    entry.command(capture::kCommandMagic, capture::kStartCapture);
    if (!entry.capturing()) {
        end_capture(entry);
        return output.fail(kExitDeviceError,
                           "audio capture did not start: no sound server answered, or its "
                           "default output cannot be recorded");
    }
    output.note("music: listening to what the computer plays for " +
                std::to_string(listen.seconds) + " s");

    KeyboardBandListener listener;
    const auto show = [&](const std::vector<capture::CopyData>& notices) {
        for (const capture::CopyData& notice : notices) {
            if (const auto bands = listener.take(notice)) {
                output.out << format_band_set(listener.sets(), *bands, output.json);
                output.out.flush();
            }
        }
    };
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(listen.seconds);
    while (std::chrono::steady_clock::now() < deadline) show(window.take_until(deadline));
    end_capture(entry);
    show(window.take_until(std::chrono::steady_clock::now()));

    Reading summary;
    summary.header.add("notices-received", listener.notices())
        .add("sets-handed-over", listener.sets());
    output.print(summary);
    if (listener.notices() == 0)
        output.note("music: no levels came: nothing is playing, or only silence");
    return kExitOk;
}

}  // namespace ilmo::ctl
