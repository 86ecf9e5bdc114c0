#include "keyboard/CTavrinMousePadDevice.h"

#include "keyboard/DeviceEvents.h"
#include "keyboard/SettingsRecord.h"
#include "lighting/PadPreview.h"
#include "profiles/CKeyboardProfiledata.h"

namespace ilmo::keyboard {

using device::Result;

namespace {

constexpr std::string_view kLightingExitTrace = "MS灯光线程设定退出";
constexpr std::string_view kReaderExitTrace = "MS设备同步线程设定退出";


}  // namespace

CTavrinMousePadDevice::CTavrinMousePadDevice(device::HidBackend& backend, int page_row,
                                             device::DeviceFolders folders,
                                             std::string device_folder_name,
                                             device::TraceSink trace, device::SleepFn sleep)
    : LightingDevice(backend, page_row, std::move(folders), std::move(device_folder_name), trace,
                     std::move(sleep), std::string(kLightingExitTrace),
                     std::make_unique<profiles::CKeyboardProfiledata>()),
      events_(event_channel().cable(), std::string(kReaderExitTrace), trace) {
    set_preview(std::make_unique<lighting::PadPreview>());
}

CTavrinMousePadDevice::~CTavrinMousePadDevice() { stopping_threads(); }

profiles::ProfileLoad CTavrinMousePadDevice::load_profile(const std::filesystem::path& document) {
    const profiles::ProfileLoad loaded = LightingDevice::load_profile(document);
    // A mode past the built-in list plays one of the user's effects, step by step.
    const size_t builtin = modes().size();
    std::vector<lighting::SequenceStep> steps;
    {
        std::lock_guard lock(state_mutex());
        for (const profiles::EffectStep& step : user_effect_steps(builtin)) {
            device::LightRecord look;
            look.mode = step.mode;
            look.brightness = step.brightness;
            look.speed = step.speed;
            look.direction = step.direction;
            look.multicolor = step.multicolor;
            look.red = step.red;
            look.green = step.green;
            look.blue = step.blue;
            steps.push_back({look, step.time, step.cycle});
        }
    }
    with_preview([&](lighting::Preview& preview, device::LightRecord&,
                     std::span<device::ColorRecord>) {
        static_cast<lighting::PadPreview&>(preview).set_sequence(steps);
    });
    return loaded;
}

Result CTavrinMousePadDevice::load_after_attach() {
    device::CommandChannel& channel = command_channel();
    Result outcome = Result::kOk;
    if (channel.is_open()) {
        const Result begun = channel.begin_transfer();
        const Result information_read = read_information();
        const Result ended = channel.end_transfer();
        // No timer reads the pad's power: its page shows it, and the phone on the pad, from
        // the arrival and from each refresh the pad asks for.
        outcome = device::first_failure({begun, information_read, ended, power_refresh()});
    }
    // No timer reads the pad's power (its page row asks for none), yet the page shows it:
    // it is read whenever the pad is read.
    if (channel.is_open()) outcome = device::first_failure({outcome, power_refresh()});
    if (view() != nullptr) view()->redraw();
    restart_lighting_thread();
    return outcome;
}

Result CTavrinMousePadDevice::read_record(PadRecord& record) {
    device::CommandChannel& channel = command_channel();
    std::array<uint8_t, 1> active{};
    Result outcome = channel.read_memory(kActiveProfileAddress, active);
    if (!device::succeeded(outcome)) return outcome;
    PadRead read{};
    outcome = channel.read_memory(pad_read_address(active[0]), read);
    if (device::succeeded(outcome)) record = pad_record_of(read);
    return outcome;
}

Result CTavrinMousePadDevice::read_device_lighting(device::LightRecord& light) {
    if (!command_channel().is_open()) return Result::kNoAnswer;
    PadRecord record{};
    const Result outcome = read_record(record);
    if (device::succeeded(outcome)) light = decode_pad_record(record, mode_list(), lighting_state());
    return outcome;
}

Result CTavrinMousePadDevice::refresh_on_request() {
    device::LightRecord light;
    const Result outcome = read_device_lighting(light);
    // A failed read changes nothing on the page or in the profile.
    if (!device::succeeded(outcome)) return outcome;
    static_cast<void>(change_lighting(light));
    if (view() != nullptr) view()->redraw();
    return power_refresh();
}

Result CTavrinMousePadDevice::write_lighting_settings() {
    device::CommandChannel& channel = command_channel();
    if (!channel.is_open()) return Result::kNoAnswer;
    const device::LightRecord light = lighting_state();
    const int code = code_of_index(mode_list(), light.mode);
    const Result begun = channel.begin_transfer();
    PadRead read{};
    Result outcome = channel.read_memory(pad_read_address(kProfile), read);
    if (device::succeeded(outcome)) {
        const PadRecord record = encode_pad_record(pad_record_of(read), kProfile, code, light);
        outcome = channel.write_memory(pad_write_address(kProfile), record);
    }
    const Result ended = channel.end_transfer();
    return device::first_failure({begun, outcome, ended});
}

Result CTavrinMousePadDevice::power_refresh() {
    if (!command_channel().is_open()) return Result::kNoAnswer;
    std::array<uint8_t, device::kPowerStatusBytes> record{};
    const Result outcome = command_channel().read_short(0, record);
    if (device::succeeded(outcome) && view() != nullptr)
        view()->show_power(device::decode_power_status(record, receiver_mode()));
    return outcome;
}

void CTavrinMousePadDevice::handle_event(uint16_t code) {
    if (decode_pad_event(code) == PadEvent::Refresh && view() != nullptr)
        view()->start_page_timer(device::PageTimer::Refresh, kRefreshDelayMs);
}

void CTavrinMousePadDevice::event_interface_opened(bool receiver) {
    // The pad has no receiver.
    if (!receiver) events_.start([this](uint16_t code) { handle_event(code); });
}

void CTavrinMousePadDevice::stopping_event_readers() { events_.stop(); }

void CTavrinMousePadDevice::stopping_threads() {
    stopping_event_readers();
    LightingDevice::stopping_threads();
}

}  // namespace ilmo::keyboard
