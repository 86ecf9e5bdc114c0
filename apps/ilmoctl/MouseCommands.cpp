#include "MouseCommands.h"

#include "MouseButtonNames.h"
#include "mouse/DpiStageRules.h"

namespace ilmo::ctl {

namespace {

using device::Result;
using mouse::CTavrinMouseDevice;
using What = MouseGet::What;

// The mouse's lighting mode is its place in the mouse's mode list, as the profile keeps it.
constexpr ModeNumbering kNumbering = ModeNumbering::ByIndex;

const std::vector<std::string> kButtonColumns{"button", "name", "function", "default"};

// 0xRRGGBB
uint32_t rgb_word(device::Rgb colour) {
    return uint32_t{colour.red} << 16 | uint32_t{colour.green} << 8 | colour.blue;
}

struct Run {
    MouseLink& link;
    const Output& output;

    CTavrinMouseDevice& mouse() const { return *link.controller; }
    std::string profile_text() const { return "profile \"" + link.profile_name() + "\""; }
    std::string stage_text(int stage) const { return "stage " + std::to_string(stage); }

    Reading reading() const {
        return device_reading("mouse", std::string(link_name(link.link)), link.profile_name());
    }
    int not_saved() const { return output.not_saved(mouse().profile_data().document_path()); }
    int changed(std::string_view what) const {
        output.note("mouse: " + std::string(what) + " in " + profile_text() +
                    (link.connected() ? " and written to the mouse" : "; no mouse is connected"));
        return kExitOk;
    }
    // Through the receiver, the mouse did not answer when last asked.
    bool out_of_reach() const { return mouse().writes_blocked(); }
    // A write that did not reach the mouse: its receiver lost it, or the mouse refused.
    int write_failed(std::string_view what, Result result) const {
        if (out_of_reach())
            return output.fail(kExitDeviceError,
                               "the mouse is out of its receiver's reach: the change stays in " +
                                   profile_text() + " and was not written to the mouse");
        return output.device_failure(what, result);
    }
    // False when the read failed for another reason than a mouse out of reach; true
    // otherwise, `read` saying whether the mouse answered.
    bool read_or_profile(std::string_view what, Result result, bool& read) const {
        read = device::succeeded(result);
        if (read || !out_of_reach()) return read;
        output.warn("the mouse is out of its receiver's reach: the profile's " + std::string(what) +
                    " are shown");
        return true;
    }
    // Writes the settings block, which carries lighting, polling rate and DPI stages.
    int write_block(std::string_view what) const {
        if (link.connected()) {
            const Result written = mouse().write_settings_block();
            if (!device::succeeded(written))
                return write_failed("writing the settings block to the mouse", written);
        }
        return changed(what);
    }

    int operator()(const MouseGet& get) const;
    int operator()(const MouseSet& set) const;
    int operator()(const MouseStage& edit) const;
    int operator()(const MouseAssign& assign) const;

    int get_settings(What what) const;
    void add_dpi(Reading& shown, const mouse::DeviceSettings& settings, const char* source) const;
    int get_buttons() const;
    std::string stage_refusal(const MouseStage& edit) const;
};

int Run::operator()(const MouseGet& get) const {
    if (get.what == What::Buttons) return get_buttons();
    if (get.what != What::Modes) return get_settings(get.what);
    Reading modes = reading();
    modes.tables.push_back(mode_table(mouse().modes(), kNumbering));
    output.print(modes);
    return kExitOk;
}

int Run::get_settings(What what) const {
    CTavrinMouseDevice& m = mouse();
    mouse::DeviceSettings settings{m.onboard_profile(), m.lighting(), -1, -1};
    bool from_device = false;
    if (link.connected() && what != What::Pointer) {
        const Result read = m.read_device_settings(settings);
        if (!read_or_profile("settings", read, from_device))
            return output.device_failure("reading the mouse's settings", read);
    }
    // A block that names no stage or rate leaves the profile's.
    if (settings.dpi_stage < 0) settings.dpi_stage = m.current_stage();
    if (settings.polling_rate < 0) settings.polling_rate = m.polling_rate();
    const char* source = from_device ? "device" : "profile";
    Reading shown = reading();
    if (what == What::Settings || what == What::Lighting)
        add_lighting_fields(shown.add_group("lighting").add("source", std::string(source)),
                            settings.light, m.modes(), kNumbering, true);
    if (what == What::Settings || what == What::Dpi) add_dpi(shown, settings, source);
    if (what == What::Settings || what == What::Pointer)
        add_pointer_fields(shown.add_group("pointer").add("source", std::string("profile")),
                           m.pointer_settings());
    output.print(shown);
    return kExitOk;
}

void Run::add_dpi(Reading& shown, const mouse::DeviceSettings& settings, const char* source) const {
    CTavrinMouseDevice& m = mouse();
    FieldGroup& group = shown.add_group("dpi");
    group.add("source", std::string(source))
        .add("stage", settings.dpi_stage)
        .add("polling-rate", settings.polling_rate);
    // DPI values come from the scale the mouse announces; without it only steps are known.
    const bool scale_known = m.loaded();
    const mouse::DpiScale scale = m.dpi_scale();
    if (scale_known)
        group.add("lowest-dpi", mouse::lowest_typed_dpi(scale))
            .add("highest-dpi", mouse::highest_typed_dpi(scale));
    // The mouse is not asked for its stage list: the page keeps it in the profile.
    group.add("stages-source", std::string("profile"));
    Table& table = shown.tables.emplace_back(Table{"stages", {"stage", "enabled", "step"}, {}});
    if (scale_known) table.columns.push_back("dpi");
    table.columns.push_back("colour");
    const std::vector<profiles::DpiStage> stages = m.dpi_stages();
    for (size_t i = 0; i < stages.size() && i < mouse::kStageCount; ++i) {
        const profiles::DpiStage& stage = stages[i];
        std::vector<Scalar>& row = table.rows.emplace_back();
        row.emplace_back(static_cast<int>(i));
        row.emplace_back(stage.enabled != 0);
        row.emplace_back(int{stage.dpi_x_step});
        if (scale_known) row.emplace_back(mouse::shown_dpi(scale, stage.dpi_x_step));
        row.emplace_back(format_colour({stage.red, stage.green, stage.blue}));
    }
}

int Run::get_buttons() const {
    CTavrinMouseDevice& m = mouse();
    std::vector<uint8_t> table;
    bool from_device = false;
    if (link.connected()) {
        const Result read = m.read_button_table(table);
        if (!read_or_profile("buttons", read, from_device))
            return output.device_failure("reading the mouse's button table", read);
    }
    Reading shown = reading();
    // What a button does is the profile's: the mouse's table names the buttons it has, and
    // where, by their factory functions.
    shown.header.add("source", std::string("profile"));
    Table& buttons = shown.tables.emplace_back(Table{"buttons", kButtonColumns, {}});
    mouse::SlotMap slots{};
    if (from_device) {
        slots = mouse::build_slot_map(table, static_cast<int>(table.size() / keyboard::kCodeBytes));
        buttons.columns.push_back("slot");
    }
    const std::vector<profiles::KeyEntry> records = m.button_records();
    for (size_t i = 0; i < records.size() && i < mouse::kLogicalButtons; ++i) {
        const int button = static_cast<int>(i);
        std::vector<Scalar> row{
            button, std::string(button_name(button)),
            format_function(keyboard::code_of(records[i].normal), FunctionLists::Mouse),
            format_function(keyboard::code_of(records[i].factory), FunctionLists::Mouse)};
        if (from_device)
            row.push_back(slots[i] == mouse::kMissingSlot ? Scalar(std::string("none"))
                                                          : Scalar(slots[i]));
        buttons.rows.push_back(std::move(row));
    }
    output.print(shown);
    return kExitOk;
}

int Run::operator()(const MouseSet& set) const {
    CTavrinMouseDevice& m = mouse();
    const LightingResult lighting =
        changed_lighting(m.lighting(), set.lighting, m.modes(), kNumbering);
    if (!lighting.error.empty())
        return output.fail(kExitUsage,
                           "the mouse has " + lighting.error + "; \"mouse get modes\" lists them");
    const std::optional<int>& stage = set.settings.stage;
    if (stage && mouse::chosen_stage(m.dpi_stages(), *stage, m.current_stage()) != *stage)
        return output.fail(kExitUsage, stage_text(*stage) + " is not an enabled stage of " +
                                           profile_text() + "; \"mouse get dpi\" lists them");
    if (set.lighting.any() && !m.change_lighting(lighting.light)) return not_saved();
    if (stage && !m.select_stage(*stage)) return not_saved();
    if (set.settings.polling_rate && !m.change_polling_rate(*set.settings.polling_rate))
        return not_saved();
    if (set.settings.pointer_any() &&
        !m.change_pointer_settings(apply_pointer_change(m.pointer_settings(), set.settings)))
        return not_saved();
    if (set.lighting.any() || set.settings.block_any()) return write_block("settings changed");
    output.note("mouse: pointer settings changed in " + profile_text() +
                "; they are kept in the profile only");
    return kExitOk;
}

// Why the page would refuse the edit; empty when it takes it.
std::string Run::stage_refusal(const MouseStage& edit) const {
    CTavrinMouseDevice& m = mouse();
    const std::vector<profiles::DpiStage> stages = m.dpi_stages();
    const auto index = static_cast<size_t>(edit.stage);
    // A DPI adds the stage (and any before it) when the list is shorter.
    if ((edit.enabled || edit.colour) && !edit.dpi && index >= stages.size())
        return profile_text() + " has no " + stage_text(edit.stage) + "; give it a DPI first";
    if (edit.enabled == false && index < stages.size() && stages[index].enabled != 0) {
        const int current = m.current_stage();
        if (mouse::with_stage_enabled(stages, edit.stage, false, current)[index].enabled != 0)
            return stage_text(edit.stage) +
                   (edit.stage == current
                        ? " is the current stage and cannot be switched off; choose another "
                          "first (mouse set stage N)"
                        : " is the last enabled stage and cannot be switched off");
    }
    return {};
}

int Run::operator()(const MouseStage& edit) const {
    CTavrinMouseDevice& m = mouse();
    const mouse::DpiScale scale = m.dpi_scale();
    if (edit.dpi && !m.loaded())
        return output.fail(kExitDeviceError,
                           std::string("a DPI is turned into the mouse's steps by the scale the "
                                       "mouse announces, and ") +
                               (link.connected() ? "the mouse was out of its receiver's reach "
                                                   "when the run began"
                                                 : "no mouse is connected"));
    if (edit.dpi) {
        const int lowest = mouse::lowest_typed_dpi(scale),
                  highest = mouse::highest_typed_dpi(scale);
        if (*edit.dpi < lowest || *edit.dpi > highest)
            return output.fail(kExitUsage, "the mouse takes " + std::to_string(lowest) + "-" +
                                               std::to_string(highest) + " DPI, not " +
                                               std::to_string(*edit.dpi));
    }
    if (const std::string refusal = stage_refusal(edit); !refusal.empty())
        return output.fail(kExitUsage, refusal);
    if (edit.dpi && !m.change_stage_dpi(edit.stage, *edit.dpi)) return not_saved();
    if (edit.enabled && !m.change_stage_enabled(edit.stage, *edit.enabled)) return not_saved();
    if (edit.colour && !m.change_stage_colour(edit.stage, rgb_word(*edit.colour)))
        return not_saved();
    std::string what = stage_text(edit.stage) + " changed";
    if (edit.dpi) {
        const int step = m.dpi_stages()[static_cast<size_t>(edit.stage)].dpi_x_step;
        what = stage_text(edit.stage) + " set to " + std::to_string(mouse::shown_dpi(scale, step)) +
               " DPI (step " + std::to_string(step) + ")";
    }
    return write_block(what);
}

int Run::operator()(const MouseAssign& assign) const {
    CTavrinMouseDevice& m = mouse();
    const std::vector<profiles::KeyEntry> buttons = m.button_records();
    const auto index = static_cast<size_t>(assign.button);
    const std::string button = "button " + std::to_string(assign.button) + " (" +
                               std::string(button_name(assign.button)) + ")";
    if (index >= buttons.size())
        return output.fail(kExitDeviceError, "the " + profile_text() + " holds no " + button);
    // Only what the mouse's table showed at the start tells; without it the profile takes it.
    if (m.loaded() && m.slot_map()[index] == mouse::kMissingSlot)
        return output.fail(
            kExitUsage, "this mouse has no " + button + ": its button table holds no slot for it");
    const ResolvedFunction function = resolve_function(
        assign.function, keyboard::code_of(buttons[index].factory), m.macro_names().size());
    if (!function.error.empty()) return output.fail(kExitUsage, function.error);
    if (!m.change_button_assignment(assign.button, function.code)) return not_saved();
    if (link.connected()) {
        const mouse::MemoryDownload written = m.write_button_functions();
        if (written.excess_events > 0)
            return output.fail(kExitDeviceError,
                               "the macros the buttons use do not fit in the mouse: " +
                                   std::to_string(written.excess_events) +
                                   " events too many; the button table was written, the macros "
                                   "were not");
        if (!device::succeeded(written.result))
            return write_failed("writing the button table to the mouse", written.result);
    }
    return changed(button + " assigned");
}

}  // namespace

int run_mouse_request(DeviceSession& session, const MouseRequest& request, const Output& output) {
    std::string error;
    MouseLink* link = session.mouse(error);
    if (link == nullptr) return output.fail(kExitDeviceError, error);
    return std::visit(Run{*link, output}, request);
}

}  // namespace ilmo::ctl
