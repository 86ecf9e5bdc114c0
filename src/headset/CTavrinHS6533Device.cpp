#include "headset/CTavrinHS6533Device.h"

#include <algorithm>

#include "lighting/PadPreview.h"
#include "profiles/CHs6533Profiledata.h"
#include "profiles/ProfileListOutcome.h"

namespace ilmo::headset {

using device::Result;

namespace {

constexpr std::string_view kLightingExitTrace = "MS灯光线程设定退出";

}  // namespace

CTavrinHS6533Device::CTavrinHS6533Device(device::HidBackend& backend, int page_row,
                                         device::DeviceFolders folders,
                                         std::string device_folder_name, device::TraceSink trace,
                                         std::filesystem::path audio_library, device::SleepFn sleep)
    : LightingDevice(backend, page_row, std::move(folders), std::move(device_folder_name), trace,
                     std::move(sleep), std::string(kLightingExitTrace),
                     std::make_unique<profiles::CHs6533Profiledata>()),
      audio_library_file_(std::move(audio_library)),
      frames_([this](std::span<const uint8_t> frame) { return send_frame(frame); }, trace) {
    // The headset's modes are the pad's, in the same order.
    set_preview(std::make_unique<lighting::PadPreview>());
    publish_audio_state();
}

CTavrinHS6533Device::~CTavrinHS6533Device() {
    stopping_threads();
}

profiles::CHs6533Profiledata& CTavrinHS6533Device::headset_profile() {
    return static_cast<profiles::CHs6533Profiledata&>(profile());
}

profiles::ProfileLoad CTavrinHS6533Device::load_profile(const std::filesystem::path& document) {
    profiles::ProfileLoad loaded;
    {
        // A sound action that is running stores into the profile it began with: the switch
        // waits for it, or the old profile's settings would be saved into the new one.
        std::lock_guard audio_lock(audio_mutex_);
        loaded = LightingDevice::load_profile(document);
        std::lock_guard lock(state_mutex());
        audio_.set_store(read_store());
    }
    publish_audio_state();
    return loaded;
}

audio::HeadsetAudioStore CTavrinHS6533Device::read_store() {
    profiles::CHs6533Profiledata& data = headset_profile();
    audio::HeadsetAudioStore store;
    store.record = data.read_settings();
    for (size_t option = 0; option < store.option_bands.size(); ++option)
        store.option_bands[option] =
            data.read_eq_preset(static_cast<int>(option)).value_or(profiles::EqBands{});
    const std::vector<std::string> names = data.read_custom_eq_names();
    const size_t curves =
        std::min(names.size(), static_cast<size_t>(profiles::kEqLastCustomCurve) + 1);
    for (size_t p = 0; p < curves; ++p) {
        store.curves.push_back(
            {names[p],
             data.read_custom_eq_preset(static_cast<int>(p)).value_or(profiles::EqBands{})});
    }
    return store;
}

void CTavrinHS6533Device::write_store(const audio::HeadsetAudioStore& store) {
    profiles::CHs6533Profiledata& data = headset_profile();
    data.write_settings(store.record);
    for (size_t option = 0; option < store.option_bands.size(); ++option)
        data.write_eq_preset(static_cast<int>(option), store.option_bands[option]);
    std::vector<std::string> names;
    std::vector<profiles::EqBands> curves;
    for (const audio::CustomCurve& curve : store.curves) {
        names.push_back(curve.name);
        curves.push_back(curve.bands);
    }
    data.write_custom_eq_names(names);
    data.write_custom_eq_curves(curves);
}

Result CTavrinHS6533Device::load_after_attach() {
    {
        // A new attachment has not seen any frame yet.
        std::lock_guard lock(frame_mutex_);
        last_frame_posted_.reset();
    }
    restart_lighting_thread();
    if (view() != nullptr) view()->redraw();
    static_cast<void>(start_audio());
    // The sound side reports through the page's state; the HID side had nothing to read.
    return Result::kOk;
}

audio::AudioOutcome CTavrinHS6533Device::start_audio() {
    audio::AudioOutcome outcome;
    {
        std::lock_guard lock(audio_mutex_);
        if (!audio_library_ || !audio_library_->loaded()) {
            std::string error;
            audio_library_ = audio::ConfLib::load(audio_library_file_, &error);
            if (!audio_library_->loaded()) trace("audio configuration library: " + error);
        }
        audio_.set_library(audio_library_.get());
        outcome = audio_.start();
        keep_in_profile(outcome);
    }
    publish_audio_state();
    if (view() != nullptr) view()->redraw();
    return outcome;
}

audio::AudioOutcome CTavrinHS6533Device::run_audio(
    const std::function<audio::AudioOutcome(audio::HeadsetAudio&)>& action) {
    audio::AudioOutcome outcome;
    {
        std::lock_guard lock(audio_mutex_);
        outcome = action(audio_);
        keep_in_profile(outcome);
    }
    publish_audio_state();
    return outcome;
}

void CTavrinHS6533Device::keep_in_profile(audio::AudioOutcome& outcome) {
    if (!outcome.stored) return;
    std::lock_guard state_lock(state_mutex());
    write_store(audio_.store());
    // The sound has changed either way; the user hears that the profile did not keep it.
    outcome.stored = profile().save();
    if (!outcome.stored) outcome.notices.emplace_back(profiles::kWriteFailedNotice);
}

void CTavrinHS6533Device::publish_audio_state() {
    audio::HeadsetAudioState state;
    {
        std::lock_guard audio_lock(audio_mutex_);
        state = audio_.state();
    }
    std::lock_guard lock(shown_mutex_);
    shown_ = std::move(state);
}

audio::HeadsetAudioState CTavrinHS6533Device::audio_state() const {
    std::lock_guard lock(shown_mutex_);
    return shown_;
}

LightFrame CTavrinHS6533Device::current_frame() const {
    std::vector<device::ColorRecord> lights(static_cast<size_t>(light_count()));
    for (int i = 0; i < light_count(); ++i) lights[static_cast<size_t>(i)] = color(i);
    return encode_light_frame(lights);
}

std::vector<uint8_t> CTavrinHS6533Device::frame_bytes(const LightFrame& frame) {
    std::vector<uint8_t> bytes;
    bytes.reserve(kFrameReports * kFrameReportBytes);
    for (const FrameReport& report : frame) bytes.insert(bytes.end(), report.begin(), report.end());
    return bytes;
}

bool CTavrinHS6533Device::build_and_send_frame() {
    if (!command_channel().is_open()) return false;
    const LightFrame frame = current_frame();
    {
        std::lock_guard lock(frame_mutex_);
        // Unchanged: the frame timer rests; the next change of the lights sends the frame.
        if (last_frame_posted_ == frame) return false;
        last_frame_posted_ = frame;
    }
    if (view() != nullptr) view()->lights_changed();
    frames_.post(frame_bytes(frame));
    return true;
}

Result CTavrinHS6533Device::send_frame_now() {
    if (!command_channel().is_open()) return Result::kNoAnswer;
    const LightFrame frame = current_frame();
    {
        std::lock_guard lock(frame_mutex_);
        last_frame_posted_ = frame;
    }
    return send_frame(frame_bytes(frame));
}

Result CTavrinHS6533Device::send_frame(std::span<const uint8_t> frame) {
    device::HidInterface& hid = command_channel().cable();
    for (size_t at = 0; at + kFrameReportBytes <= frame.size(); at += kFrameReportBytes) {
        if (hid.set_output_report(frame.subspan(at, kFrameReportBytes)) != 1) {
            std::lock_guard lock(frame_mutex_);
            last_frame_posted_.reset();
            return Result::kWriteFailed;
        }
    }
    return Result::kOk;
}

void CTavrinHS6533Device::stopping_threads() {
    frames_.stop();
    LightingDevice::stopping_threads();
}

}  // namespace ilmo::headset
