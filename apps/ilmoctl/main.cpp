// ilmoctl: the devices from the command line. Lists the HID interfaces and the slots they
// claim, reads a device's information record and power status, and changes and reads back
// every keyboard, mouse-pad, mouse and headset setting the device pages can change.

#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "DeviceSession.h"
#include "Invocation.h"
#include "Output.h"
#include "ProgramFolder.h"
#include "Runner.h"
#include "platform/HidrawBackend.h"
#include "platform/MonitorSize.h"
#include "platform/UserDataFolder.h"
#include "sim/DemoRig.h"

namespace {

// The mouse's settings block carries the primary screen's size: the primary monitor's, else
// the first one's, else the whole X screen's; nothing without a display.
ilmo::mouse::ScreenSize primary_screen_size() {
    const std::vector<ilmo::platform::Monitor> monitors = ilmo::platform::x11_monitors();
    for (const ilmo::platform::Monitor& monitor : monitors)
        if (monitor.primary) return {monitor.width_px, monitor.height_px};
    if (!monitors.empty()) return {monitors.front().width_px, monitors.front().height_px};
    if (const auto screen = ilmo::platform::x11_screen_size())
        return {screen->width_px, screen->height_px};
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    using namespace ilmo;
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const ctl::InvocationParse parse = ctl::parse_invocation(arguments);
    if (!parse.ok()) {
        std::cerr << "ilmoctl: " << parse.error << "\n" << ctl::usage_text();
        return ctl::kExitUsage;
    }
    const ctl::Invocation& invocation = parse.invocation;
    if (invocation.help) {
        std::cout << ctl::usage_text();
        return ctl::kExitOk;
    }

    // Beside JSON the traces go to standard error, so the output stays one document a line.
    std::ostream& trace_stream = invocation.json ? std::cerr : std::cout;
    device::TraceSink trace;  // none: the channel skips formatting its dumps
    if (invocation.trace)
        trace = [&trace_stream](std::string_view line) { trace_stream << line << '\n'; };

    std::unique_ptr<sim::DemoRig> demo;
    std::unique_ptr<platform::HidrawBackend> hidraw;
    device::HidBackend* backend = nullptr;
    if (invocation.demo) {
        demo = std::make_unique<sim::DemoRig>();
        backend = &demo->backend();
    } else {
        hidraw = std::make_unique<platform::HidrawBackend>();
        backend = hidraw.get();
    }

    const ctl::Output output{std::cout, std::cerr, invocation.json};
    const device::DeviceFolders folders{ctl::find_program_folder(ctl::running_tool_folder()),
                                        platform::user_data_folder()};
    ctl::DeviceSession session(*backend, folders, trace,
                               [](std::string_view notice) {
                                   std::cerr << "ilmoctl: " << notice << '\n';
                               });
    session.set_screen_size_source(primary_screen_size);
    session.use_emulated_audio(invocation.demo);
    return ctl::run_commands(session, invocation.commands, output);
}
