#include "KeyboardCommands.h"

#include "ColourFile.h"
#include "profiles/JsonFile.h"
#include "keyboard/KeyIdentity.h"

namespace ilmo::ctl {

namespace {

using device::Result;
using keyboard::CTavrinKeyboardDevice;
using What = KeyboardGet::What;

constexpr ModeNumbering kNumbering = ModeNumbering::ByValue;

struct Run {
    KeyboardLink& link;
    const Output& output;

    CTavrinKeyboardDevice& keyboard() const { return *link.controller; }
    std::string profile_text() const { return "profile \"" + link.profile_name() + "\""; }

    Reading reading() const {
        return device_reading("keyboard", std::string(link_name(link.link)), link.profile_name());
    }
    int not_saved() const { return output.not_saved(keyboard().profile_data().document_path()); }
    int changed(std::string_view what) const {
        output.note("keyboard: " + std::string(what) + " in " + profile_text() +
                    (link.connected() ? " and written to the keyboard"
                                      : "; no keyboard is connected"));
        return kExitOk;
    }

    int operator()(const KeyboardGet& get) const;
    int operator()(const KeyboardSet& set) const;
    int operator()(const KeyboardAssign& assign) const;
    int operator()(const KeyboardColours& colours) const;
    int operator()(const KeyboardOnboard& onboard) const;

    int get_settings(What what) const;
    int get_keys(const KeyboardGet& get) const;
    int get_colours() const;
};

std::vector<Scalar> key_values(const profiles::KeyEntry& key, int index) {
    return {index, std::string(key_name(index)), format_function(keyboard::code_of(key.normal)),
            format_function(keyboard::code_of(key.fn)),
            format_function(keyboard::code_of(key.factory))};
}

const std::vector<std::string> kKeyColumns{"key", "name", "normal", "fn", "default"};

int Run::operator()(const KeyboardGet& get) const {
    switch (get.what) {
        case What::Keys:
        case What::Key:
            return get_keys(get);
        case What::Colours:
            return get_colours();
        case What::Modes: {
            Reading modes = reading();
            modes.tables.push_back(mode_table(keyboard().modes(), kNumbering));
            output.print(modes);
            return kExitOk;
        }
        default:
            return get_settings(get.what);
    }
}

int Run::get_settings(What what) const {
    CTavrinKeyboardDevice& kb = keyboard();
    const keyboard::SystemOptions profile_options = kb.system_options();
    keyboard::OnboardSettings settings{kb.onboard_profile(), kb.lighting(), profile_options};
    if (link.connected()) {
        const Result read = kb.read_onboard_settings(settings);
        if (!device::succeeded(read)) return output.device_failure("reading the keyboard's settings", read);
    } else if (what == What::Onboard) {
        return output.fail(kExitDeviceError, "no keyboard is connected");
    }
    const std::string source = link.connected() ? "device" : "profile";
    Reading shown = reading();
    if (link.connected() && (what == What::Settings || what == What::Onboard))
        shown.add_group("onboard").add("source", source).add("profile", settings.profile);
    if (what == What::Settings || what == What::Lighting) {
        add_lighting_fields(shown.add_group("lighting").add("source", source), settings.light,
                            kb.modes(), kNumbering, true);
        // The music mode's frames are made by the program: its settings are the profile's.
        add_audio_light_fields(shown.add_group("music").add("source", std::string("profile")),
                               kb.audio_light());
    }
    if (what == What::Settings || what == What::Options) {
        add_device_option_fields(shown.add_group("options").add("source", source), settings.options);
        // No command carries them: they live in the profile alone.
        add_repeat_fields(shown.add_group("repeat").add("source", std::string("profile")),
                          profile_options);
    }
    output.print(shown);
    return kExitOk;
}

int Run::get_keys(const KeyboardGet& get) const {
    const std::vector<profiles::KeyEntry> keys = keyboard().key_records();
    Reading shown = reading();
    // The keyboard's key tables are written, never read back.
    shown.header.add("source", std::string("profile"));
    if (get.what == What::Key) {
        if (static_cast<size_t>(get.key) >= keys.size())
            return output.fail(kExitDeviceError, "the " + profile_text() + " holds no key " +
                                                     std::to_string(get.key));
        FieldGroup& group = shown.add_group("key");
        const std::vector<Scalar> values = key_values(keys[static_cast<size_t>(get.key)], get.key);
        for (size_t i = 0; i < values.size(); ++i) group.add(kKeyColumns[i], values[i]);
    } else {
        Table& table = shown.tables.emplace_back(Table{"keys", kKeyColumns, {}});
        for (size_t i = 0; i < keys.size() && i < static_cast<size_t>(keyboard::kPageKeys); ++i)
            table.rows.push_back(key_values(keys[i], static_cast<int>(i)));
    }
    output.print(shown);
    return kExitOk;
}

int Run::get_colours() const {
    CTavrinKeyboardDevice& kb = keyboard();
    std::vector<std::optional<device::Rgb>> colours;
    if (link.connected()) {
        const Result read = kb.read_key_colours(colours);
        if (!device::succeeded(read)) return output.device_failure("reading the keyboard's per-key colours", read);
    } else {
        for (const profiles::KeyColor& c : kb.custom_key_colours())
            colours.push_back(device::Rgb{c.red, c.green, c.blue});
    }
    Reading shown = reading();
    shown.header.add("source", std::string(link.connected() ? "device" : "profile"));
    Table& table = shown.tables.emplace_back(Table{"colours", {"key", "name", "colour"}, {}});
    for (size_t i = 0; i < colours.size() && i < static_cast<size_t>(keyboard::kPageKeys); ++i) {
        if (!colours[i]) continue;  // no LED on this keyboard
        const int key = static_cast<int>(i);
        table.rows.push_back({key, std::string(key_name(key)), format_colour(*colours[i])});
    }
    output.print(shown);
    return kExitOk;
}

int Run::operator()(const KeyboardSet& set) const {
    CTavrinKeyboardDevice& kb = keyboard();
    const LightingResult lighting = changed_lighting(kb.lighting(), set.lighting, kb.modes(), kNumbering);
    if (!lighting.error.empty())
        return output.fail(kExitUsage, "the keyboard has " + lighting.error +
                                           "; \"keyboard get modes\" lists them");
    if (set.lighting.any() && !kb.change_lighting(lighting.light)) return not_saved();
    if (set.options.any() &&
        !kb.change_system_options(apply_options_change(kb.system_options(), set.options)))
        return not_saved();
    if (set.audio.any() && !kb.change_audio_light(apply_audio_light_change(kb.audio_light(), set.audio)))
        return not_saved();
    if (set.audio.any() && !set.lighting.any() && !set.options.any()) {
        output.note("keyboard: music lighting stored in " + profile_text() +
                    "; the keyboard shows it in mode 21 (keyboard set mode 21) while the "
                    "program hears sound");
        return kExitOk;
    }
    if (!link.connected()) return changed("settings changed");
    if (set.lighting.any()) {
        const Result written = kb.write_lighting();
        if (!device::succeeded(written))
            return output.device_failure("writing the lighting to the keyboard", written);
    }
    if (set.options.any() && link.link == Link::Receiver) {
        output.note("keyboard: the options wait in " + profile_text() +
                    ": they go to the keyboard by cable only");
        if (!set.lighting.any()) return kExitOk;
    } else if (set.options.any()) {
        const Result written = kb.write_system_options();
        if (!device::succeeded(written))
            return output.device_failure("writing the options to the keyboard", written);
    }
    return changed("settings changed");
}

int Run::operator()(const KeyboardAssign& assign) const {
    CTavrinKeyboardDevice& kb = keyboard();
    const std::vector<profiles::KeyEntry> keys = kb.key_records();
    if (static_cast<size_t>(assign.key) >= keys.size())
        return output.fail(kExitDeviceError,
                           "the " + profile_text() + " holds no key " + std::to_string(assign.key));
    const ResolvedFunction function = resolve_function(
        assign.function, keyboard::code_of(keys[static_cast<size_t>(assign.key)].factory),
        kb.macro_names().size());
    if (!function.error.empty()) return output.fail(kExitUsage, function.error);
    if (!kb.change_key_assignment(assign.key, assign.layer, function.code)) return not_saved();
    if (link.connected()) {
        const keyboard::MacroDownload written = kb.write_key_functions();
        if (!device::succeeded(written.result))
            return output.device_failure("writing the key tables to the keyboard", written.result);
        if (written.excess_events > 0)
            return output.fail(kExitDeviceError,
                               "the macros the keys use do not fit in the keyboard: " +
                                   std::to_string(written.excess_events) +
                                   " events too many; the key tables were written, the macros "
                                   "were not");
    }
    return changed("key " + std::to_string(assign.key) + " assigned");
}

int Run::operator()(const KeyboardColours& request) const {
    CTavrinKeyboardDevice& kb = keyboard();
    std::string text;
    if (!profiles::read_file_bytes(request.file, text))
        return output.fail(kExitUsage, "cannot read " + request.file.string());
    const ColourFileParse parse = parse_colour_file(text);
    if (!parse.error.empty())
        return output.fail(kExitUsage, request.file.string() + ": " + parse.error);
    std::vector<profiles::KeyColor> colours = kb.custom_key_colours();
    apply_key_colours(colours, parse.lines);
    if (!kb.change_custom_colours(colours)) return not_saved();
    if (link.connected() && kb.lighting().mode != keyboard::kPerKeyMode) {
        output.note("keyboard: per-key colours stored in " + profile_text() +
                    "; the keyboard shows them in mode 20 (keyboard set mode 20)");
        return kExitOk;
    }
    if (link.connected()) {
        const Result written = kb.write_per_key_colours();
        if (!device::succeeded(written))
            return output.device_failure("writing the per-key colours to the keyboard", written);
    }
    return changed("per-key colours stored");
}

int Run::operator()(const KeyboardOnboard& onboard) const {
    if (!link.connected()) return output.fail(kExitDeviceError, "no keyboard is connected");
    const std::string which = "on-board profile " + std::to_string(onboard.profile);
    const Result selected = keyboard().select_onboard_profile(onboard.profile);
    if (!device::succeeded(selected)) return output.device_failure("selecting " + which, selected);
    output.note("keyboard: " + which + " is active; its settings were read into " + profile_text());
    return kExitOk;
}

}  // namespace

int run_keyboard_request(DeviceSession& session, const KeyboardRequest& request,
                         const Output& output) {
    std::string error;
    KeyboardLink* link = session.keyboard(error);
    if (link == nullptr) return output.fail(kExitDeviceError, error);
    return std::visit(Run{*link, output}, request);
}

}  // namespace ilmo::ctl
