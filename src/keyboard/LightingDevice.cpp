#include "keyboard/LightingDevice.h"

#include "keyboard/SettingsRecord.h"

namespace ilmo::keyboard {

namespace {

// The user's lighting effects, in the model's profile folder.
constexpr std::string_view kUserEffectsFile = "pelko_light.config";

// Without an open channel the preview has nothing to show; it looks again this much later.
constexpr int64_t kClosedChannelWaitMs = 100;

}  // namespace

LightingDevice::LightingDevice(device::HidBackend& backend, int page_row,
                               device::DeviceFolders folders, std::string device_folder_name,
                               device::TraceSink trace, device::SleepFn sleep,
                               std::string lighting_exit_trace,
                               std::unique_ptr<profiles::CBasicProfiledata> profile)
    : CTavrinUSBDevice(backend, page_row, std::move(folders), std::move(device_folder_name), trace,
                       std::move(sleep)),
      profile_(std::move(profile)),
      lighting_thread_(trace, std::move(lighting_exit_trace)) {
    profile_->set_default_document_path(
        this->folders().default_profile_file(this->device_folder_name()));
    profile_->set_trace(trace);
    const device::ControllerKind kind = device::controller_for(option().kind);
    lists_ = std::make_unique<profiles::ConfigLists>(profiles::ConfigLists::Sources{
        this->folders().profile_folder(this->device_folder_name()),
        this->folders().default_data_folder(),
        std::string(profiles::macro_list_file_name(kind)),
        static_cast<size_t>(page_parameter())});
    lists_->load();
}

LightingDevice::~LightingDevice() { stopping_threads(); }

profiles::ProfileLoad LightingDevice::load_profile(const std::filesystem::path& document) {
    profiles::ProfileLoad outcome;
    device::LightRecord record;
    std::vector<device::LightRecord> light_effects;
    {
        std::lock_guard lock(state_mutex_);
        profile_->set_document_path(document);
        outcome.saved = profile_->load_section();
        outcome.set_aside = profile_->take_set_aside();
        record = profile_->read_light_info();
        profile_->read_audio_light();
        light_effects = profile_->read_light_list();
        load_profile_sections();
    }
    // Each light's own effect from the profile's "LightList", run over the mode's effect.
    with_preview([&](lighting::Preview& preview, device::LightRecord&,
                     std::span<device::ColorRecord>) { preview.set_light_effects(light_effects); });
    apply_lighting(record);
    return outcome;
}

std::vector<profiles::BuiltinMode> LightingDevice::modes() const {
    std::lock_guard lock(state_mutex_);
    return lists_->modes();
}

std::vector<int> LightingDevice::mode_codes() const {
    std::vector<int> codes;
    for (const profiles::BuiltinMode& mode : modes()) codes.push_back(mode.value);
    return codes;
}

std::vector<std::string> LightingDevice::macro_names() const {
    std::lock_guard lock(state_mutex_);
    return lists_->macro_names();
}

void LightingDevice::reload_config_lists() {
    std::lock_guard lock(state_mutex_);
    lists_->load();
}

bool LightingDevice::change_lighting(const device::LightRecord& record) {
    bool saved = false;
    {
        std::lock_guard lock(state_mutex_);
        profile_->write_light_info(record);
        saved = profile_->save();
    }
    apply_lighting(record);
    return saved;
}

device::LightRecord LightingDevice::stored_lighting() const {
    std::lock_guard lock(state_mutex_);
    return profile_->light_record();
}

profiles::AudioLightRecord LightingDevice::audio_light() const {
    std::lock_guard lock(state_mutex_);
    return profile_->audio_light_record();
}

bool LightingDevice::change_audio_light(const profiles::AudioLightRecord& record) {
    std::lock_guard lock(state_mutex_);
    profile_->write_audio_light(record);
    return profile_->save();
}

std::vector<profiles::EffectStep> LightingDevice::user_effect_steps(size_t builtin_modes) {
    profile_->load_light_config(folders().profile_folder(device_folder_name()) / kUserEffectsFile);
    return profile_->read_user_effect(profile_->light_record().mode, builtin_modes,
                                      static_cast<size_t>(page_parameter()));
}

void LightingDevice::set_preview(std::unique_ptr<lighting::Preview> preview) {
    with_lights([&](device::LightRecord&, std::span<device::ColorRecord>) {
        preview_ = std::move(preview);
    });
}

void LightingDevice::apply_lighting(const device::LightRecord& record) {
    with_preview([&](lighting::Preview& preview, device::LightRecord& lighting,
                     std::span<device::ColorRecord>) {
        const bool new_effect = record.mode != lighting.mode || record.mode == kPerKeyMode;
        lighting = device::with_running_effect(record, lighting);
        if (new_effect) preview.prepare(lighting);
    });
    update_pause();
    if (view() != nullptr) view()->lights_changed();
}

void LightingDevice::set_preview_paused(bool paused) {
    window_hidden_ = paused;
    update_pause();
}

void LightingDevice::update_pause() {
    const bool rest = sync_flag() || (window_hidden_ && !host_driven(lighting_state().mode));
    std::lock_guard lock(lighting_thread_mutex_);
    if (rest)
        lighting_thread_.pause();
    else
        lighting_thread_.resume();
}

void LightingDevice::sync_flag_changed() {
    // Leaving synchronised lighting, the device's own effect starts over on lights that
    // still show the common colour.
    if (!sync_flag())
        with_preview([](lighting::Preview& preview, device::LightRecord& lighting,
                        std::span<device::ColorRecord>) { preview.prepare(lighting); });
    update_pause();
}

void LightingDevice::wake_lighting_thread() {
    std::lock_guard lock(lighting_thread_mutex_);
    lighting_thread_.wake();
}

void LightingDevice::restart_lighting_thread() {
    std::lock_guard lock(lighting_thread_mutex_);
    lighting_thread_.stop();
    // Detaching closes the channel before it stops the threads, so either this start comes
    // first and is stopped, or it sees the channel closed.
    if (command_channel().is_open())
        lighting_thread_.start([this](int64_t now) { return run_tick(now); });
}

void LightingDevice::stopping_threads() {
    std::lock_guard lock(lighting_thread_mutex_);
    lighting_thread_.stop();
}

int64_t LightingDevice::run_tick(int64_t now_ms) {
    if (!command_channel().is_open()) return now_ms + kClosedChannelWaitMs;
    int64_t due = now_ms;
    with_lights([&](device::LightRecord& lighting, std::span<device::ColorRecord> lights) {
        if (!preview_) return;
        preview_->tick(lighting, lights, now_ms);
        due = preview_->next_due_ms(lighting, now_ms);
    });
    if (view() != nullptr) view()->lights_changed();
    return due;
}

}  // namespace ilmo::keyboard
