#include "mouse/CTavrinMouseDevice.h"

#include <string>

#include "keyboard/CodeTables.h"
#include "keyboard/MacroImage.h"
#include "lighting/MousePreview.h"
#include "mouse/MouseEvents.h"
#include "mouse/ShootImage.h"
#include "profiles/CMouseProfiledata.h"

namespace ilmo::mouse {

using device::Result;

namespace {

constexpr std::string_view kLightingExitTrace = "MS灯光线程设定退出";
constexpr std::string_view kReaderExitTrace = "MS 设备同步线程设定退出";
// The pause between the mouse asking to be read again and the read.
constexpr int kRefreshDelayMs = 50;
// The mouse names its active profile in a nibble; a byte 0 past that answered wrongly.
constexpr int kOnboardProfiles = 16;

lighting::MouseSequenceStep sequence_step(const profiles::EffectStep& step) {
    return {step.mode, step.speed, step.multicolor != 0, {step.red, step.green, step.blue},
            step.time};
}

MemoryDownload refused_download(const keyboard::MacroImageOutcome& image) {
    return {Result::kWriteFailed, static_cast<int>(image.excess)};
}

}  // namespace

CTavrinMouseDevice::CTavrinMouseDevice(device::HidBackend& backend, int page_row,
                                       device::DeviceFolders folders,
                                       std::string device_folder_name, device::TraceSink trace,
                                       device::SleepFn sleep)
    : LightingDevice(backend, page_row, std::move(folders), std::move(device_folder_name), trace,
                     std::move(sleep), std::string(kLightingExitTrace),
                     std::make_unique<profiles::CMouseProfiledata>()),
      cable_events_(event_channel().cable(), std::string(kReaderExitTrace), trace),
      receiver_events_(event_channel().receiver(), std::string(kReaderExitTrace), trace) {
    set_preview(std::make_unique<lighting::MousePreview>());
}

CTavrinMouseDevice::~CTavrinMouseDevice() { stopping_threads(); }

profiles::CMouseProfiledata& CTavrinMouseDevice::mouse_profile() {
    return static_cast<profiles::CMouseProfiledata&>(profile());
}

const profiles::CMouseProfiledata& CTavrinMouseDevice::mouse_profile() const {
    return static_cast<const profiles::CMouseProfiledata&>(profile());
}

// --- profile -------------------------------------------------------------------------------

void CTavrinMouseDevice::load_profile_sections() {
    mouse_profile().read_key_list();
    mouse_profile().forget_dpi_stages();
    mouse_profile().read_dpi_stages();
    mouse_profile().read_system_stages();
}

profiles::ProfileLoad CTavrinMouseDevice::load_profile(const std::filesystem::path& document) {
    const profiles::ProfileLoad loaded = LightingDevice::load_profile(document);
    load_user_sequence();
    return loaded;
}

void CTavrinMouseDevice::load_user_sequence() {
    // A mode past the built-in list plays one of the user's effects, step by step.
    const size_t builtin = modes().size();
    std::vector<lighting::MouseSequenceStep> steps;
    {
        std::lock_guard lock(state_mutex());
        for (const profiles::EffectStep& step : user_effect_steps(builtin))
            steps.push_back(sequence_step(step));
    }
    with_preview([&](lighting::Preview& preview, device::LightRecord&,
                     std::span<device::ColorRecord>) {
        static_cast<lighting::MousePreview&>(preview).set_sequence(steps);
    });
}

std::vector<profiles::DpiStage> CTavrinMouseDevice::dpi_stages() const {
    std::lock_guard lock(state_mutex());
    return mouse_profile().dpi_stages();
}

int CTavrinMouseDevice::current_stage() const {
    std::lock_guard lock(state_mutex());
    return mouse_profile().active_stage();
}

int CTavrinMouseDevice::polling_rate() const {
    std::lock_guard lock(state_mutex());
    return polling_rate_of(mouse_profile().system_words());
}

PointerSettings CTavrinMouseDevice::pointer_settings() const {
    std::lock_guard lock(state_mutex());
    return pointer_settings_of(mouse_profile().system_words());
}

std::vector<profiles::KeyEntry> CTavrinMouseDevice::button_records() const {
    std::lock_guard lock(state_mutex());
    return mouse_profile().key_list();
}

DpiScale CTavrinMouseDevice::dpi_scale() const {
    std::lock_guard lock(state_mutex());
    return scale_;
}

SlotMap CTavrinMouseDevice::slot_map() const {
    std::lock_guard lock(state_mutex());
    return slots_;
}

bool CTavrinMouseDevice::store_stages(std::vector<profiles::DpiStage> stages) {
    mouse_profile().write_dpi_stages(stages);
    return mouse_profile().save();
}

bool CTavrinMouseDevice::select_stage(int stage) {
    std::lock_guard lock(state_mutex());
    const int chosen =
        chosen_stage(mouse_profile().dpi_stages(), stage, mouse_profile().active_stage());
    mouse_profile().write_active_stage(chosen);
    return mouse_profile().save();
}

bool CTavrinMouseDevice::change_stage_enabled(int stage, bool enabled) {
    std::lock_guard lock(state_mutex());
    return store_stages(with_stage_enabled(mouse_profile().dpi_stages(), stage, enabled,
                                           mouse_profile().active_stage()));
}

bool CTavrinMouseDevice::change_stage_step(int stage, int step) {
    std::lock_guard lock(state_mutex());
    return store_stages(with_stage_step(mouse_profile().dpi_stages(), stage, step, scale_));
}

bool CTavrinMouseDevice::change_stage_dpi(int stage, int dpi) {
    std::lock_guard lock(state_mutex());
    return store_stages(
        with_stage_step(mouse_profile().dpi_stages(), stage, step_of_dpi(scale_, dpi), scale_));
}

bool CTavrinMouseDevice::change_stage_colour(int stage, uint32_t rgb) {
    std::lock_guard lock(state_mutex());
    return store_stages(with_stage_colour(mouse_profile().dpi_stages(), stage, rgb));
}

bool CTavrinMouseDevice::change_polling_rate(int rate) {
    std::lock_guard lock(state_mutex());
    mouse_profile().write_system_stages(with_polling_rate(mouse_profile().system_words(), rate));
    return mouse_profile().save();
}

bool CTavrinMouseDevice::change_pointer_settings(const PointerSettings& settings) {
    std::lock_guard lock(state_mutex());
    mouse_profile().write_system_stages(
        with_pointer_settings(mouse_profile().system_words(), settings));
    return mouse_profile().save();
}

bool CTavrinMouseDevice::change_button_assignment(int button, keyboard::AssignmentCode code) {
    std::lock_guard lock(state_mutex());
    std::vector<profiles::KeyEntry> buttons = mouse_profile().key_list();
    if (button < 0 || static_cast<size_t>(button) >= buttons.size()) return false;
    buttons[static_cast<size_t>(button)].normal =
        keyboard::group_of(code, static_cast<uint16_t>(button));
    mouse_profile().write_key_list(buttons);
    return mouse_profile().save();
}

MousePageState CTavrinMouseDevice::page_state() const {
    const std::vector<std::string> macros = macro_names();
    MousePageState state;
    std::lock_guard lock(state_mutex());
    const profiles::CMouseProfiledata& data = mouse_profile();
    state.current_stage = data.active_stage();
    state.stages = stage_views(data.dpi_stages(), state.current_stage, scale_);
    state.slider_max = scale_.highest_step;
    state.edit_min = lowest_typed_dpi(scale_);
    state.edit_max = highest_typed_dpi(scale_);
    state.polling_rate = polling_rate_of(data.system_words());
    state.pointer = pointer_settings_of(data.system_words());
    state.writes_blocked = writes_blocked_;
    const std::vector<profiles::KeyEntry>& buttons = data.key_list();
    for (size_t j = 0; j < state.buttons.size(); ++j) {
        ButtonCaption& caption = state.buttons[j];
        caption.present = !loaded_ || slots_[j] != kMissingSlot;
        if (j >= buttons.size()) continue;
        const keyboard::AssignmentCode code = keyboard::code_of(buttons[j].normal);
        if (keyboard::is_macro_code(code)) {
            // A macro shows its name; one that is gone shows nothing.
            if (code.first < macros.size()) caption.text = macros[code.first];
        } else if (const auto key = keyboard::caption_key(code)) {
            caption = {std::string(*key), true, caption.present};
        }
    }
    return state;
}

void CTavrinMouseDevice::redraw_page() {
    if (mouse_view_ != nullptr) mouse_view_->show_mouse_page(page_state());
    if (view() != nullptr) view()->redraw();
}

// --- arrival and reads ---------------------------------------------------------------------

Result CTavrinMouseDevice::load_after_attach() {
    const Result information = read_information_and_buttons();
    // The profile in use may have changed on disk since the page loaded it.
    const std::filesystem::path document = [this] {
        std::lock_guard lock(state_mutex());
        return profile().document_path();
    }();
    if (!document.empty()) static_cast<void>(load_profile(document));
    const Result settings = command_channel().is_open() ? read_settings() : Result::kNoAnswer;
    redraw_page();
    restart_lighting_thread();
    return device::first_failure({information, settings});
}

bool CTavrinMouseDevice::in_reach() {
    return command_channel().is_open() && (!receiver_mode() || link_check());
}

bool CTavrinMouseDevice::write_allowed() {
    if (!command_channel().is_open()) return false;
    const bool reached = in_reach();
    // What the user changed meanwhile is written once the mouse is back.
    if (!reached) rewrite_pending_ = true;
    return reached;
}

bool CTavrinMouseDevice::link_check() {
    const bool linked = LightingDevice::link_check();
    const bool blocked = receiver_mode() && !linked;
    if (writes_blocked_.exchange(blocked) != blocked) redraw_page();
    return linked;
}

Result CTavrinMouseDevice::power_refresh() {
    // What the user changed while the mouse was away waited in the profile.
    if (rewrite_pending_ && command_channel().is_open() && link_check()) {
        rewrite_pending_ = false;
        const Result written = write_profile_to_device();
        if (!device::succeeded(written)) trace(device::failure_trace("writing the profile on return", written));
    }
    return LightingDevice::power_refresh();
}

Result CTavrinMouseDevice::read_information_and_buttons() {
    loaded_ = false;
    device::CommandChannel& channel = command_channel();
    // Reads through the receiver ask once whether the mouse is in reach.
    if (!in_reach()) return Result::kNoAnswer;
    const Result begun = channel.begin_transfer();
    Result outcome = device::succeeded(begun) ? read_information() : begun;
    const int buttons = information().button_count();
    std::vector<uint8_t> table(kButtonImageBytes, 0);
    // A table past the image would be read (and later written) past what the host keeps.
    if (device::succeeded(outcome) && !channel.set_block_bytes(buttons * 3)) {
        trace("鼠标按键数超出范围");
        outcome = Result::kStatusRefused;
    }
    if (device::succeeded(outcome))
        outcome = channel.read_table(std::span(table).first(static_cast<size_t>(buttons) * 3));
    // A transfer that was begun is always ended, whatever went wrong inside it.
    const Result ended = channel.end_transfer();
    outcome = device::first_failure({begun, outcome, ended});
    if (!device::succeeded(outcome)) return outcome;
    {
        std::lock_guard lock(state_mutex());
        button_count_ = buttons;
        slots_ = build_slot_map(table, buttons);
        button_table_ = std::move(table);
        scale_ = dpi_scale_of(information());
    }
    loaded_ = true;
    return Result::kOk;
}

Result CTavrinMouseDevice::read_device_settings(DeviceSettings& settings) {
    device::CommandChannel& channel = command_channel();
    if (!in_reach()) return Result::kNoAnswer;
    std::array<uint8_t, 1> active{};
    Result outcome = channel.read_memory(kActiveProfileAddress, active);
    if (!device::succeeded(outcome)) return outcome;
    if (active[0] >= kOnboardProfiles) return Result::kStatusError;
    SettingsBlock block{};
    outcome = channel.read_memory(settings_block_address(active[0]), block);
    if (!device::succeeded(outcome)) return outcome;
    const std::vector<int> known = mode_codes();
    const BlockRead read = decode_settings_block(block, lighting_state(), known);
    settings = {active[0], read.light, read.dpi_stage, read.polling_rate};
    return Result::kOk;
}

Result CTavrinMouseDevice::read_settings() {
    DeviceSettings read;
    const Result outcome = read_device_settings(read);
    // A failed read leaves the profile and the page as they were.
    if (!device::succeeded(outcome)) return outcome;
    onboard_profile_ = read.profile;
    {
        std::lock_guard lock(state_mutex());
        profiles::CMouseProfiledata& data = mouse_profile();
        data.write_light_info(read.light);
        // A stage the profile has no row for would leave the page with none selected.
        if (read.dpi_stage >= 0 && static_cast<size_t>(read.dpi_stage) < data.dpi_stages().size())
            data.write_active_stage(read.dpi_stage);
        if (read.polling_rate >= 0)
            data.write_system_stages(with_polling_rate(data.system_words(), read.polling_rate));
        if (!data.save()) trace("保存配置文件失败");
    }
    apply_lighting(read.light);
    return Result::kOk;
}

Result CTavrinMouseDevice::refresh_on_request() {
    if (!command_channel().is_open()) return Result::kNoAnswer;
    const Result outcome = read_settings();
    redraw_page();
    return outcome;
}

Result CTavrinMouseDevice::read_button_table(std::vector<uint8_t>& table) {
    device::CommandChannel& channel = command_channel();
    if (!loaded_ || !in_reach()) return Result::kNoAnswer;
    const int buttons = [this] {
        std::lock_guard lock(state_mutex());
        return button_count_;
    }();
    std::vector<uint8_t> read(static_cast<size_t>(buttons) * 3, 0);
    if (!channel.set_block_bytes(buttons * 3)) return Result::kStatusRefused;
    const Result begun = channel.begin_transfer();
    const Result outcome = device::succeeded(begun) ? channel.read_table(read) : begun;
    const Result ended = channel.end_transfer();
    const Result result = device::first_failure({begun, outcome, ended});
    if (device::succeeded(result)) table = std::move(read);
    return result;
}

// --- writing -------------------------------------------------------------------------------

template <class Payload>
Result CTavrinMouseDevice::gated_transfer(Payload&& payload) {
    device::CommandChannel& channel = command_channel();
    if (!write_allowed()) return Result::kNoAnswer;
    const Result begun = channel.begin_transfer();
    Result outcome = begun;
    if (device::succeeded(begun)) outcome = write_allowed() ? payload() : Result::kNoAnswer;
    // Every begin is ended, unless the mouse went out of reach meanwhile.
    const Result ended = write_allowed() ? channel.end_transfer() : Result::kNoAnswer;
    return device::first_failure({begun, outcome, ended});
}

Result CTavrinMouseDevice::write_profile_to_device() {
    if (!command_channel().is_open()) return Result::kNoAnswer;
    const Result block = write_settings_block();
    const MemoryDownload buttons = write_button_functions();
    return device::first_failure({block, buttons.result});
}

Result CTavrinMouseDevice::write_settings_block() {
    if (!command_channel().is_open()) return Result::kNoAnswer;
    BlockSource source;
    source.mode_codes = mode_codes();
    source.light = lighting_state();
    source.screen = screen_;
    {
        std::lock_guard lock(state_mutex());
        const profiles::CMouseProfiledata& data = mouse_profile();
        source.polling_rate = polling_rate_of(data.system_words());
        source.dpi_stage = data.active_stage();
        source.stages = data.dpi_stages();
        source.corrections = data.read_correct_info();
        if (scale_.highest_step > 0) source.highest_step = scale_.highest_step;
    }
    const SettingsBlock block = encode_settings_block(source);
    return gated_transfer([&] {
        return command_channel().write_memory(settings_block_address(kProfile), block);
    });
}

Result CTavrinMouseDevice::prepare_buttons(ButtonTableImage& image, int& buttons) {
    if (!command_channel().is_open()) return Result::kNoAnswer;
    // Without the table read at start every button would be written blind.
    if (!loaded_) {
        trace("鼠标未加载，不写按键");
        return Result::kNoAnswer;
    }
    if (!write_allowed()) return Result::kNoAnswer;
    const Result information_read = read_information();
    if (!device::succeeded(information_read)) return information_read;
    const size_t macro_count = macro_names().size();
    {
        std::lock_guard lock(state_mutex());
        buttons = button_count_;
        const auto table =
            std::span<const uint8_t>(button_table_).first(static_cast<size_t>(buttons) * 3);
        image = build_button_table(table, slots_, mouse_profile().key_list(), macro_count);
    }
    // The mouse now announces another table than the one read at start: its slots may
    // hold other buttons, so nothing is written until the page starts again.
    if (information().button_count() != buttons) {
        trace("鼠标按键数已改变，不写按键");
        return Result::kStatusError;
    }
    return Result::kOk;
}

Result CTavrinMouseDevice::send_button_table(const ButtonTableImage& image, int buttons) {
    device::CommandChannel& channel = command_channel();
    if (!channel.set_block_bytes(buttons * 3)) return Result::kStatusRefused;
    return gated_transfer([&] { return channel.write_table(kProfile, image.table); });
}

MemoryDownload CTavrinMouseDevice::build_macros(const std::vector<int>& used_macros,
                                                std::vector<uint8_t>& image) {
    const auto macros =
        keyboard::load_used_macros(folders().profile_folder(device_folder_name()), used_macros);
    // A macro list that can no longer be read leaves the buttons' macros unsent, which is
    // no success.
    if (macros.size() != used_macros.size()) {
        trace("macro.config unreadable, macros not written");
        return {Result::kWriteFailed, 0};
    }
    keyboard::MacroImageOutcome built = keyboard::build_macro_image(
        macros, static_cast<size_t>(information().macro_memory_bytes()));
    // Cut, the last macros would play garbage: too large is not sent at all.
    if (built.excess > 0) {
        trace("macro image too large by " + std::to_string(built.excess) + " events");
        return refused_download(built);
    }
    image = std::move(built.image);
    return {};
}

Result CTavrinMouseDevice::write_buttons() {
    ButtonTableImage image;
    int buttons = 0;
    const Result prepared = prepare_buttons(image, buttons);
    if (!device::succeeded(prepared)) return prepared;
    return send_button_table(image, buttons);
}

MemoryDownload CTavrinMouseDevice::write_macros(const std::vector<int>& used_macros) {
    if (used_macros.empty()) return {};
    if (!write_allowed()) return {Result::kNoAnswer, 0};
    const Result information_read = read_information();
    if (!device::succeeded(information_read)) return {information_read, 0};
    std::vector<uint8_t> image;
    const MemoryDownload built = build_macros(used_macros, image);
    if (!device::succeeded(built.result)) return built;
    return {gated_transfer([&] { return command_channel().write_stream(image); }), 0};
}

MemoryDownload CTavrinMouseDevice::write_button_functions() {
    // Table and macros are both built before either is sent: a table numbering macros the
    // mouse then lacks would make those buttons play nothing.
    ButtonTableImage table;
    int buttons = 0;
    const Result prepared = prepare_buttons(table, buttons);
    if (!device::succeeded(prepared)) return {prepared, 0};
    std::vector<uint8_t> macros;
    if (!table.used_macros.empty()) {
        const MemoryDownload built = build_macros(table.used_macros, macros);
        if (!device::succeeded(built.result)) return built;
    }
    const Result table_written = send_button_table(table, buttons);
    if (!device::succeeded(table_written) || macros.empty()) return {table_written, 0};
    return {gated_transfer([&] { return command_channel().write_stream(macros); }), 0};
}

MemoryDownload CTavrinMouseDevice::write_shoot_data() {
    device::CommandChannel& channel = command_channel();
    if (!channel.is_open()) return {Result::kNoAnswer, 0};
    const keyboard::MacroImageOutcome image =
        build_shoot_image(load_weapons(folders().profile_folder(device_folder_name())));
    if (image.excess > 0) {
        trace("shoot data too large by " + std::to_string(image.excess) + " events");
        return refused_download(image);
    }
    return {gated_transfer([&] { return channel.write_stream_56(image.image); }), 0};
}

// --- events --------------------------------------------------------------------------------

void CTavrinMouseDevice::event_interface_opened(bool receiver) {
    device::EventReader& reader = receiver ? receiver_events_ : cable_events_;
    reader.start([this, receiver](uint16_t code) { handle_event(code, !receiver); });
}

void CTavrinMouseDevice::stopping_event_readers() {
    cable_events_.stop();
    receiver_events_.stop();
}

void CTavrinMouseDevice::stopping_threads() {
    stopping_event_readers();
    LightingDevice::stopping_threads();
}

void CTavrinMouseDevice::handle_event(uint16_t code, bool cable_reader) {
    const MouseEvent event = decode_mouse_event(code, cable_reader);
    switch (event.kind) {
        case MouseEvent::Kind::Synchronise:
            if (view() != nullptr) view()->start_page_timer(device::PageTimer::Refresh, kRefreshDelayMs);
            break;
        case MouseEvent::Kind::ReactiveFlash:
            with_preview([](lighting::Preview& preview, device::LightRecord& lighting,
                            std::span<device::ColorRecord>) {
                static_cast<lighting::MousePreview&>(preview).reactive_flash(lighting);
            });
            break;
        case MouseEvent::Kind::ProfileChange:
            if (!command_channel().is_open()) break;
            onboard_profile_ = event.profile;
            if (event.dpi_stage >= 0) {
                std::lock_guard lock(state_mutex());
                mouse_profile().write_active_stage(event.dpi_stage);
                if (!mouse_profile().save()) trace("保存配置文件失败");
            }
            // The page shows the new stage at once and what the mouse runs once it is read.
            redraw_page();
            if (view() != nullptr) view()->start_page_timer(device::PageTimer::Refresh, kRefreshDelayMs);
            break;
        case MouseEvent::Kind::None:
            break;
    }
}

}  // namespace ilmo::mouse
