#include "keyboard/CTavrinKeyboardDevice.h"

#include <algorithm>
#include <string>

#include "device/FramePace.h"
#include "keyboard/AssignmentTables.h"
#include "keyboard/CodeTables.h"
#include "keyboard/DeviceEvents.h"
#include "keyboard/FirmwareCheck.h"
#include "keyboard/LightFrames.h"
#include "keyboard/MacroImage.h"
#include "keyboard/SystemOptionsWords.h"
#include "lighting/KeyboardPreview.h"
#include "macros/MacroList.h"

namespace ilmo::keyboard {

using device::Result;

namespace {

constexpr std::string_view kLightingExitTrace = "KB灯光线程设定退出";
constexpr std::string_view kReaderExitTrace = "MS 设备同步线程设定退出";
constexpr int kPerKeyRecordBytes = 512;
// An on-board profile switch names its profile in a nibble.
constexpr uint8_t kOnboardProfiles = 16;
// The audio mode (of "AudioLightInfo") whose music lighting is the beat ripple alone.
constexpr int kBeatRippleAudioMode = 2;
// No more band values than the capture sends levels are looked at.
constexpr size_t kMaxAudioValues = 500;


// The custom group picks a group of colours out of the profile, which grows to hold the group
// it is asked for: a number past any sensible count, from a file or from the keyboard, would
// fill the document with groups of nothing.
uint8_t usable_custom_group(uint8_t group, uint8_t otherwise) {
    return group < CTavrinKeyboardDevice::kCustomGroups ? group : otherwise;
}

}  // namespace

CTavrinKeyboardDevice::CTavrinKeyboardDevice(device::HidBackend& backend, int page_row,
                                             device::DeviceFolders folders,
                                             std::string device_folder_name,
                                             device::TraceSink trace, device::SleepFn sleep)
    : LightingDevice(backend, page_row, std::move(folders), std::move(device_folder_name), trace,
                     std::move(sleep), std::string(kLightingExitTrace),
                     std::make_unique<profiles::CKeyboardProfiledata>()),
      cable_events_(event_channel().cable(), std::string(kReaderExitTrace), trace),
      receiver_events_(event_channel().receiver(), std::string(kReaderExitTrace), trace),
      frames_(command_channel(), trace) {
    set_preview(std::make_unique<lighting::KeyboardPreview>());
}

profiles::CKeyboardProfiledata& CTavrinKeyboardDevice::keyboard_profile() {
    return static_cast<profiles::CKeyboardProfiledata&>(profile());
}

const profiles::CKeyboardProfiledata& CTavrinKeyboardDevice::keyboard_profile() const {
    return static_cast<const profiles::CKeyboardProfiledata&>(profile());
}

CTavrinKeyboardDevice::~CTavrinKeyboardDevice() { stopping_threads(); }

// --- profile -------------------------------------------------------------------------------

profiles::ProfileLoad CTavrinKeyboardDevice::load_profile(const std::filesystem::path& document) {
    const profiles::ProfileLoad loaded = LightingDevice::load_profile(document);
    show_custom_colours();
    show_music_lighting();
    return loaded;
}

void CTavrinKeyboardDevice::load_profile_sections() {
    keys_ = profile().read_key_list();
    options_ = from_words(keyboard_profile().read_system_stages());
    fn_view_ = keyboard_profile().read_fn_keyset_flag();
    const uint8_t group = usable_custom_group(profile().light_record().custom_group, 0);
    keyboard_profile().read_custom_colors(group, static_cast<size_t>(key_count()));
}

SystemOptions CTavrinKeyboardDevice::system_options() const {
    std::lock_guard lock(state_mutex());
    return options_;
}

bool CTavrinKeyboardDevice::change_system_options(const SystemOptions& options) {
    std::lock_guard lock(state_mutex());
    options_ = options;
    keyboard_profile().write_system_stages(to_words(options));
    return profile().save();
}

bool CTavrinKeyboardDevice::fn_view() const {
    std::lock_guard lock(state_mutex());
    return fn_view_;
}

std::vector<profiles::KeyEntry> CTavrinKeyboardDevice::key_records() const {
    std::lock_guard lock(state_mutex());
    return keys_;
}

bool CTavrinKeyboardDevice::change_key_assignment(int key_index, KeyLayer layer,
                                                  AssignmentCode code) {
    std::lock_guard lock(state_mutex());
    if (key_index < 0 || static_cast<size_t>(key_index) >= keys_.size()) return false;
    profiles::KeyEntry& key = keys_[static_cast<size_t>(key_index)];
    (layer == KeyLayer::Fn ? key.fn : key.normal) =
        group_of(code, static_cast<uint16_t>(key_index));
    profile().write_key_list(keys_);
    return profile().save();
}

std::vector<KeyCaption> CTavrinKeyboardDevice::key_captions() const {
    const std::vector<std::string> names = macro_names();
    std::lock_guard lock(state_mutex());
    std::vector<KeyCaption> captions(static_cast<size_t>(key_count()));
    for (const profiles::KeyEntry& key : keys_) {
        const profiles::AssignmentGroup& shown = fn_view_ ? key.fn : key.normal;
        if (shown.key_index >= captions.size()) continue;
        const AssignmentCode code{shown.type, shown.first, shown.second};
        KeyCaption& caption = captions[shown.key_index];
        if (is_macro_code(code)) {
            // A macro shows its name; one that is gone shows nothing.
            if (code.first < names.size()) caption = {names[code.first], false};
        } else if (const auto key = caption_key(code)) {
            caption = {std::string(*key), true};
        }
    }
    return captions;
}

void CTavrinKeyboardDevice::redraw_page() {
    if (keyboard_view_ != nullptr) {
        keyboard_view_->show_key_captions(key_captions());
        keyboard_view_->show_system_options(system_options());
    }
    if (view() != nullptr) view()->redraw();
}

// --- arrival -------------------------------------------------------------------------------

Result CTavrinKeyboardDevice::load_after_attach() {
    // A keyboard whose firmware is about to be updated (or that the user would not update)
    // is left alone.
    if (firmware_update_asked()) return Result::kNoAnswer;
    const Result initialised = initialise_from_device();
    // The profile in use may have changed on disk since the page loaded it.
    const std::filesystem::path document = [this] {
        std::lock_guard lock(state_mutex());
        return profile().document_path();
    }();
    if (!document.empty()) static_cast<void>(load_profile(document));
    const Result settings = command_channel().is_open() ? read_settings() : Result::kOk;
    shown_frames_.forget();  // a keyboard attached again shows none of the host's frames
    redraw_page();
    restart_lighting_thread();
    return device::first_failure({initialised, settings});
}

bool CTavrinKeyboardDevice::firmware_update_asked() {
    loaded_ = false;
    // Asked before anything is sent, and only by cable, where the updater can reach it.
    const uint16_t release = command_channel().cable().attributes().version_number;
    if (!command_channel().is_open() || receiver_mode() || !firmware_update_offered(release) ||
        keyboard_view_ == nullptr)
        return false;
    if (keyboard_view_->confirm_firmware_update())
        keyboard_view_->start_firmware_updater();
    else
        keyboard_view_->quit_application();
    return true;
}

Result CTavrinKeyboardDevice::initialise_from_device() {
    loaded_ = false;
    device::CommandChannel& channel = command_channel();
    if (!channel.is_open()) return Result::kNoAnswer;
    const Result begun = channel.begin_transfer();
    Result outcome = read_information();
    const int table_bytes = information().key_positions() * 3;
    std::vector<uint8_t> defaults(kMaxTableBytes, 0);
    std::vector<uint8_t> leds(kMaxTableBytes, 0);
    if (device::succeeded(outcome) && !channel.set_block_bytes(table_bytes)) {
        trace("键盘按键数超出范围");
        outcome = Result::kStatusRefused;
    }
    if (device::succeeded(outcome)) outcome = channel.read_table(std::span(defaults).first(
                                          static_cast<size_t>(table_bytes)));
    if (device::succeeded(outcome)) outcome = channel.read_key_bytes(std::span(leds).first(
                                          static_cast<size_t>(table_bytes / 3)));
    // A transfer that was begun is always ended, whatever went wrong inside it.
    const Result ended = channel.end_transfer();
    outcome = device::first_failure({begun, outcome, ended});
    if (!device::succeeded(outcome)) return outcome;
    {
        std::lock_guard lock(state_mutex());
        key_positions_ = information().key_positions();
        maps_ = build_key_maps(defaults, key_positions_, leds);
        default_table_ = std::move(defaults);
        led_table_ = std::move(leds);
    }
    loaded_ = true;
    return Result::kOk;
}

Result CTavrinKeyboardDevice::read_onboard_settings(OnboardSettings& settings) {
    device::CommandChannel& channel = command_channel();
    if (!channel.is_open()) return Result::kNoAnswer;
    std::array<uint8_t, 1> active{};
    Result outcome = channel.read_memory(kActiveProfileAddress, active);
    if (!device::succeeded(outcome)) return outcome;
    SettingsRecord record{};
    // The number becomes an address for the writes that follow: a keyboard that names a
    // profile no event could switch to answered wrongly.
    if (active[0] >= kOnboardProfiles) return Result::kStatusError;
    outcome = channel.read_memory(settings_address(active[0]), record);
    if (!device::succeeded(outcome)) return outcome;

    const std::vector<int> known = mode_codes();
    const device::LightRecord host = lighting_state();
    std::lock_guard lock(state_mutex());
    const SettingsRead read = decode_settings_record(record, host, options_, known);
    settings = {active[0], read.light, read.options};
    settings.light.custom_group =
        usable_custom_group(settings.light.custom_group, host.custom_group);
    return Result::kOk;
}

Result CTavrinKeyboardDevice::read_settings() {
    OnboardSettings read;
    const Result outcome = read_onboard_settings(read);
    if (!device::succeeded(outcome)) return outcome;
    onboard_profile_ = read.profile;
    {
        std::lock_guard lock(state_mutex());
        options_ = read.options;
        profile().write_light_info(read.light);
        keyboard_profile().write_system_stages(to_words(options_));
        keyboard_profile().read_custom_colors(read.light.custom_group, static_cast<size_t>(key_count()));
        if (!profile().save()) trace("保存配置文件失败");
    }
    show_custom_colours();
    apply_lighting(read.light);
    return Result::kOk;
}

Result CTavrinKeyboardDevice::select_onboard_profile(int onboard) {
    device::CommandChannel& channel = command_channel();
    if (!channel.is_open() || onboard < 0 || onboard >= kOnboardProfiles) return Result::kNoAnswer;
    const std::array<uint8_t, 1> active{static_cast<uint8_t>(onboard)};
    const Result begun = channel.begin_transfer();
    const Result written =
        device::succeeded(begun) ? channel.write_memory(kActiveProfileAddress, active) : begun;
    const Result ended = channel.end_transfer();
    const Result outcome = device::first_failure({begun, written, ended});
    if (!device::succeeded(outcome)) return outcome;
    // What the keyboard now runs is what the page shows, as after a switch on the keyboard.
    const Result read = read_settings();
    redraw_page();
    return read;
}

Result CTavrinKeyboardDevice::refresh_on_request() {
    if (!command_channel().is_open()) return Result::kNoAnswer;
    const Result outcome = read_settings();
    redraw_page();
    return outcome;
}

// --- writing -------------------------------------------------------------------------------

Result CTavrinKeyboardDevice::write_profile_to_device() {
    if (!command_channel().is_open()) return Result::kNoAnswer;
    const Result lighting = write_lighting();
    const MacroDownload keys = write_key_functions();
    return device::first_failure({lighting, keys.result});
}

Result CTavrinKeyboardDevice::write_lighting() {
    if (!command_channel().is_open()) return Result::kNoAnswer;
    const int onboard = onboard_profile_;
    const Result settings = write_lighting_settings(onboard, static_cast<uint8_t>(onboard));
    const Result colours =
        lighting_state().mode == kPerKeyMode ? write_per_key_colours() : Result::kOk;
    return device::first_failure({settings, colours});
}

MacroDownload CTavrinKeyboardDevice::write_key_functions() {
    // The macros stored are the ones the tables just written number, in their order.
    std::vector<int> used;
    const Result tables = write_assignments(&used);
    MacroDownload macros = download_macros(used);
    // An image too large for the keyboard is not sent, and the keys bound to its macros then
    // play nothing: the write did not do what the profile asks.
    if (macros.excess_events > 0) {
        trace("macro image too large by " + std::to_string(macros.excess_events) + " events");
        macros.result = Result::kWriteFailed;
    }
    macros.result = device::first_failure({tables, macros.result});
    return macros;
}

Result CTavrinKeyboardDevice::write_lighting_settings(int profile_index, uint8_t byte0) {
    device::CommandChannel& channel = command_channel();
    if (!channel.is_open()) return Result::kNoAnswer;
    const device::LightRecord light = lighting_state();
    const SystemOptions options = system_options();
    const uint16_t address = settings_address(profile_index);
    const Result begun = channel.begin_transfer();
    // The bytes the host does not own come from this very record: the last record read may
    // be another profile's, and records overlap by a byte.
    SettingsRecord kept{};
    Result outcome = channel.read_memory(address, kept);
    if (device::succeeded(outcome)) {
        SettingsRecord record = encode_settings_record(kept, byte0, light, options);
        // Options reach the keyboard only by cable; through the receiver they stay as they are.
        if (receiver_mode()) keep_device_options(record, kept);
        outcome = channel.write_memory(address, record);
    }
    const Result ended = channel.end_transfer();
    // A host-driven mode written anew starts from the host's next frame, even an unchanged one.
    shown_frames_.forget();
    return device::first_failure({begun, outcome, ended});
}

Result CTavrinKeyboardDevice::write_system_options() {
    if (receiver_mode() || kind() != device::DeviceKind::Keyboard) return Result::kNoAnswer;
    // Into the record the page's options were read from, the active on-board profile's: a
    // write into profile 0's record would carry the active profile's lighting there and, its
    // first byte being the active profile's number, switch the keyboard to profile 0.
    const int active = onboard_profile_;
    return write_lighting_settings(active, static_cast<uint8_t>(active));
}

Result CTavrinKeyboardDevice::write_assignments(std::vector<int>* used_macros) {
    device::CommandChannel& channel = command_channel();
    if (!channel.is_open()) return Result::kNoAnswer;
    // Without the default table every key would be written as nothing.
    if (!loaded_) {
        trace("键盘未加载，不写按键");
        return Result::kNoAnswer;
    }
    const Result information_read = read_information();
    if (!device::succeeded(information_read)) return information_read;
    const size_t macro_count = macro_names().size();
    LayerTables tables;
    {
        std::lock_guard lock(state_mutex());
        tables = build_layer_tables(default_table_, information().key_positions(), keys_, maps_,
                                    macro_count);
    }
    if (used_macros != nullptr) *used_macros = tables.used_macros;
    const Result begun = channel.begin_transfer();
    Result outcome = channel.write_second_table(0, tables.fn);
    if (device::succeeded(outcome)) outcome = channel.write_table(0, tables.normal);
    const Result ended = channel.end_transfer();
    return device::first_failure({begun, outcome, ended});
}

MacroDownload CTavrinKeyboardDevice::download_macros(const std::vector<int>& used_macros) {
    device::CommandChannel& channel = command_channel();
    if (channel.is_open()) {
        const Result information_read = read_information();
        if (!device::succeeded(information_read)) return {information_read, 0};
    }
    if (used_macros.empty()) return {};
    const auto macros = load_used_macros(folders().profile_folder(device_folder_name()), used_macros);
    const MacroImageOutcome image =
        build_macro_image(macros, static_cast<size_t>(information().macro_memory_bytes()));
    if (image.excess > 0) return {Result::kOk, static_cast<int>(image.excess)};
    if (!channel.is_open()) return {Result::kNoAnswer, 0};
    const Result begun = channel.begin_transfer();
    const Result streamed = channel.write_stream(image.image);
    const Result ended = channel.end_transfer();
    return {device::first_failure({begun, streamed, ended}), 0};
}

std::vector<device::ColorRecord> CTavrinKeyboardDevice::custom_colours() const {
    std::vector<device::ColorRecord> colours;
    for (const profiles::KeyColor& c : custom_key_colours())
        colours.push_back({c.red, c.green, c.blue, 0xFF});
    return colours;
}

std::vector<profiles::KeyColor> CTavrinKeyboardDevice::custom_key_colours() const {
    std::lock_guard lock(state_mutex());
    return keyboard_profile().custom_colors();
}

bool CTavrinKeyboardDevice::change_custom_colours(const std::vector<profiles::KeyColor>& colours) {
    bool saved = false;
    {
        std::lock_guard lock(state_mutex());
        const size_t group = profile().light_record().custom_group;
        keyboard_profile().write_custom_colors(group, colours);
        // Keys past the given colours keep theirs, and the list in memory covers them all.
        keyboard_profile().read_custom_colors(group, static_cast<size_t>(key_count()));
        saved = profile().save();
    }
    show_custom_colours();
    return saved;
}

void CTavrinKeyboardDevice::show_custom_colours() {
    std::vector<device::Rgb> colours;
    for (const device::ColorRecord& c : custom_colours()) colours.push_back({c.red, c.green, c.blue});
    with_preview([&](lighting::Preview& preview, device::LightRecord&, std::span<device::ColorRecord>) {
        static_cast<lighting::KeyboardPreview&>(preview).set_custom_colors(colours);
    });
}

Result CTavrinKeyboardDevice::read_key_colours(std::vector<std::optional<device::Rgb>>& by_key) {
    device::CommandChannel& channel = command_channel();
    if (!channel.is_open() || !loaded_) return Result::kNoAnswer;
    std::vector<uint8_t> table(static_cast<size_t>(information().key_positions()) * 3);
    const Result outcome = channel.read_record(kPerKeyRecordBytes, 0, table);
    if (!device::succeeded(outcome)) return outcome;
    std::lock_guard lock(state_mutex());
    by_key = light_colours_of_table(table, maps_.light_led);
    return Result::kOk;
}

Result CTavrinKeyboardDevice::write_per_key_colours() {
    device::CommandChannel& channel = command_channel();
    if (!channel.is_open()) return Result::kNoAnswer;
    const std::vector<device::ColorRecord> colours = custom_colours();
    std::vector<uint8_t> table;
    {
        std::lock_guard lock(state_mutex());
        table = per_key_colour_table(colours, maps_.light_led, information().key_positions());
    }
    const Result begun = channel.begin_transfer();
    const Result written = channel.write_record(kPerKeyRecordBytes, 0, table);
    const Result ended = channel.end_transfer();
    return device::first_failure({begun, written, ended});
}

// --- frames --------------------------------------------------------------------------------

bool CTavrinKeyboardDevice::host_driven(int mode) const {
    return is_host_driven(mode);
}

bool CTavrinKeyboardDevice::build_and_send_frame() {
    // The mode and the lights are taken together, so a frame never mixes two steps.
    std::vector<device::ColorRecord> lights;
    const device::LightRecord light =
        with_lights([&](const device::LightRecord& state, std::span<device::ColorRecord> shown) {
            lights.assign(shown.begin(), shown.end());
            return state;
        });
    if (!light_status() || !command_channel().is_open() || !host_driven(light.mode)) {
        shown_frames_.forget();
        return false;
    }
    std::vector<uint8_t> frame;
    {
        std::lock_guard lock(state_mutex());
        frame = host_frame(lights, maps_.light_led, key_positions_);
    }
    if (!shown_frames_.wanted(frame, command_channel().dropped_light_packets(),
                              device::FrameFilter::Clock::now()))
        return false;
    frames_.set_pace_ms(receiver_mode() ? device::kReceiverFramePaceMs
                                        : device::kCableFramePaceMs);
    frames_.post(std::move(frame));
    return true;
}

// --- music ---------------------------------------------------------------------------------

void CTavrinKeyboardDevice::show_music_lighting() {
    profiles::AudioLightRecord a;
    {
        std::lock_guard lock(state_mutex());
        a = profile().audio_light_record();
    }
    const lighting::MusicLighting music{a.audio_mode,
                                        {a.background_red, a.background_green, a.background_blue},
                                        {a.foreground_red, a.foreground_green, a.foreground_blue},
                                        a.seven_color != 0};
    with_preview([&](lighting::Preview& preview, device::LightRecord&, std::span<device::ColorRecord>) {
        static_cast<lighting::KeyboardPreview&>(preview).set_music_lighting(music);
    });
}

bool CTavrinKeyboardDevice::change_audio_light(const profiles::AudioLightRecord& record) {
    const bool saved = LightingDevice::change_audio_light(record);
    show_music_lighting();
    return saved;
}

void CTavrinKeyboardDevice::audio_input(std::span<const int> bands) {
    bands = bands.first(std::min(bands.size(), kMaxAudioValues));
    bool beat_chosen = false;
    {
        std::lock_guard lock(state_mutex());
        beat_chosen = profile().audio_light_record().audio_mode == kBeatRippleAudioMode;
    }
    with_preview([&](lighting::Preview& preview, device::LightRecord& lighting,
                     std::span<device::ColorRecord>) {
        auto& keyboard_preview = static_cast<lighting::KeyboardPreview&>(preview);
        keyboard_preview.set_band_levels(bands);
        if (lighting.mode != kAudioMode || !beat_chosen || !beat_.add(bands)) return;
        ++beat_ripples_;
        keyboard_preview.key_event(lighting::BeatRipple::kRippleKey, true);
        keyboard_preview.key_event(lighting::BeatRipple::kRippleKey, false);
    });
}

void CTavrinKeyboardDevice::keep_notice_values(const lighting::KeyboardNoticeValues& values) {
    std::lock_guard lock(state_mutex());
    notice_values_ = values;
}

lighting::KeyboardNoticeValues CTavrinKeyboardDevice::notice_values() const {
    std::lock_guard lock(state_mutex());
    return notice_values_;
}

// --- events --------------------------------------------------------------------------------

void CTavrinKeyboardDevice::event_interface_opened(bool receiver) {
    device::EventReader& reader = receiver ? receiver_events_ : cable_events_;
    reader.start([this, receiver](uint16_t code) { handle_event(code, !receiver); });
}

void CTavrinKeyboardDevice::stopping_event_readers() {
    cable_events_.stop();
    receiver_events_.stop();
}

void CTavrinKeyboardDevice::stopping_threads() {
    stopping_event_readers();
    frames_.stop();
    LightingDevice::stopping_threads();
}

std::optional<int> CTavrinKeyboardDevice::key_index_at(int position) const {
    std::lock_guard lock(state_mutex());
    return key_at_position(maps_, position);
}

void CTavrinKeyboardDevice::handle_event(uint16_t code, bool cable_reader) {
    const KeyboardEvent event = decode_keyboard_event(code, cable_reader);
    switch (event.kind) {
        case KeyboardEvent::Kind::ResyncAfterChange:
            reload_requested_ = true;
            [[fallthrough]];
        case KeyboardEvent::Kind::Resync:
            if (view() != nullptr) view()->start_page_timer(device::PageTimer::Refresh, kRefreshDelayMs);
            break;
        case KeyboardEvent::Kind::KeepAlive:
            ++keep_alives_;
            break;
        case KeyboardEvent::Kind::KeyDown:
        case KeyboardEvent::Kind::KeyUp:
            if (const auto key = key_index_at(event.position)) {
                const bool down = event.kind == KeyboardEvent::Kind::KeyDown;
                with_preview([&](lighting::Preview& preview, device::LightRecord&,
                                 std::span<device::ColorRecord>) {
                    static_cast<lighting::KeyboardPreview&>(preview).key_event(*key, down);
                });
            }
            break;
        case KeyboardEvent::Kind::ProfileSwitch:
            if (!command_channel().is_open()) break;
            onboard_profile_ = event.profile;
            // The page shows the profile now in use once its record is read.
            if (view() != nullptr) {
                view()->redraw();
                view()->start_page_timer(device::PageTimer::Refresh, kRefreshDelayMs);
            }
            break;
        case KeyboardEvent::Kind::None:
            break;
    }
}

}  // namespace ilmo::keyboard
