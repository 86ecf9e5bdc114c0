#include "PadCommands.h"

namespace ilmo::ctl {

namespace {

using device::Result;
using keyboard::CTavrinMousePadDevice;

constexpr ModeNumbering kNumbering = ModeNumbering::ByIndex;

struct Run {
    PadLink& link;
    const Output& output;

    CTavrinMousePadDevice& pad() const { return *link.controller; }

    Reading reading() const {
        return device_reading("mouse-pad", std::string(link_name(link.link)), link.profile_name());
    }

    int operator()(const PadGet& get) const {
        CTavrinMousePadDevice& controller = pad();
        Reading shown = reading();
        if (get.modes) {
            shown.tables.push_back(mode_table(controller.modes(), kNumbering));
            output.print(shown);
            return kExitOk;
        }
        device::LightRecord light = controller.lighting();
        if (link.connected()) {
            const Result read = controller.read_device_lighting(light);
            if (!device::succeeded(read))
                return output.device_failure("reading the mouse-pad's lighting", read);
        }
        FieldGroup& group = shown.add_group("lighting");
        group.add("source", std::string(link.connected() ? "device" : "profile"));
        add_lighting_fields(group, light, controller.modes(), kNumbering, false);
        output.print(shown);
        return kExitOk;
    }

    int operator()(const PadSet& set) const {
        CTavrinMousePadDevice& controller = pad();
        const LightingResult lighting =
            changed_lighting(controller.lighting(), set.lighting, controller.modes(), kNumbering);
        if (!lighting.error.empty())
            return output.fail(kExitUsage, "the mouse-pad has " + lighting.error +
                                               "; \"pad get modes\" lists them");
        const std::string profile = "profile \"" + link.profile_name() + "\"";
        if (!controller.change_lighting(lighting.light))
            return output.not_saved(controller.profile_data().document_path());
        if (!link.connected()) {
            output.note("mouse-pad: lighting changed in " + profile + "; no mouse-pad is connected");
            return kExitOk;
        }
        const Result written = controller.write_lighting_settings();
        if (!device::succeeded(written))
            return output.device_failure("writing the lighting to the mouse-pad", written);
        output.note("mouse-pad: lighting changed in " + profile + " and written to the mouse-pad");
        return kExitOk;
    }
};

}  // namespace

int run_pad_request(DeviceSession& session, const PadRequest& request, const Output& output) {
    std::string error;
    PadLink* link = session.pad(error);
    if (link == nullptr) return output.fail(kExitDeviceError, error);
    return std::visit(Run{*link, output}, request);
}

}  // namespace ilmo::ctl
