// ilmoctl: the device link from the command line. Lists the HID interfaces and the slots
// they claim, and reads a device's information record and power status.

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "DeviceReport.h"
#include "InterfaceListing.h"
#include "device/InterfaceSurvey.h"
#include "platform/HidrawBackend.h"
#include "sim/DemoRig.h"

namespace {

using namespace ilmo;

constexpr int kExitOk = 0;
constexpr int kExitDeviceError = 1;
constexpr int kExitUsage = 2;

constexpr const char* kUsage =
    "usage: ilmoctl [--demo] [--trace] list\n"
    "       ilmoctl [--demo] [--trace] info [SLOT]\n"
    "       ilmoctl [--demo] detect\n"
    "  list    every HID interface, its identity and the slot it claims\n"
    "  info    information record and power status of every device, or of SLOT\n"
    "  detect  exit 0 when a supported device is connected, 1 otherwise\n"
    "  --demo  use the built-in device emulator with every product attached\n"
    "  --trace print each command and response\n";

struct Arguments {
    bool demo = false;
    bool trace = false;
    std::string command;
    std::optional<int> slot;
};

std::optional<Arguments> parse_arguments(int argc, char** argv) {
    Arguments args;
    std::vector<std::string_view> rest;
    for (int i = 1; i < argc; ++i) {
        const std::string_view word = argv[i];
        if (word == "--demo") args.demo = true;
        else if (word == "--trace") args.trace = true;
        else if (word.starts_with("-")) return std::nullopt;
        else rest.push_back(word);
    }
    if (rest.empty() || rest.size() > 2) return std::nullopt;
    args.command = rest[0];
    if (rest.size() == 2) {
        if (args.command != "info") return std::nullopt;
        char* end = nullptr;
        const std::string text(rest[1]);
        const long slot = std::strtol(text.c_str(), &end, 10);
        if (end == text.c_str() || *end != '\0' || slot < 0 || slot >= device::kSlotCount)
            return std::nullopt;
        args.slot = static_cast<int>(slot);
    }
    if (args.command != "list" && args.command != "info" && args.command != "detect")
        return std::nullopt;
    return args;
}

int run_info(device::HidBackend& backend, const device::SlotTable& slots,
             std::optional<int> only_slot, const device::TraceSink& trace) {
    std::vector<int> wanted;
    for (int slot = 0; slot < device::kSlotCount; ++slot) {
        const bool command = device::kSupportedInterfaces[slot].role ==
                             device::InterfaceRole::Command;
        if (only_slot ? slot == *only_slot : command && slots.occupied(slot))
            wanted.push_back(slot);
    }
    if (only_slot && !slots.occupied(*only_slot)) {
        std::fprintf(stderr, "slot %d: no device\n", *only_slot);
        return kExitDeviceError;
    }
    if (only_slot && device::kSupportedInterfaces[*only_slot].role != device::InterfaceRole::Command) {
        std::fprintf(stderr, "slot %d is an event interface; ask for its command slot\n",
                     *only_slot);
        return kExitUsage;
    }
    if (wanted.empty()) {
        std::printf("No supported device is connected.\n");
        return kExitDeviceError;
    }
    int exit_code = kExitOk;
    for (int slot : wanted) {
        const auto report = ctl::read_device_report(backend, slots, slot, trace);
        std::printf("%s", ctl::format_device_report(report).c_str());
        if (!report.ok()) exit_code = kExitDeviceError;
    }
    return exit_code;
}

}  // namespace

int main(int argc, char** argv) {
    const auto args = parse_arguments(argc, argv);
    if (!args) {
        std::fputs(kUsage, stderr);
        return kExitUsage;
    }
    device::TraceSink trace;  // none: the channel skips formatting its dumps
    if (args->trace) {
        trace = [](std::string_view line) {
            std::printf("%.*s\n", static_cast<int>(line.size()), line.data());
        };
    }

    std::unique_ptr<sim::DemoRig> demo;
    platform::HidrawBackend hidraw;
    device::HidBackend* backend = &hidraw;
    if (args->demo) {
        demo = std::make_unique<sim::DemoRig>();
        backend = &demo->backend();
    }

    device::SlotTable slots;
    const auto survey = device::survey_interfaces(*backend, slots);
    if (args->command == "list") {
        const std::string listing = ctl::format_interface_listing(survey);
        std::fputs(listing.c_str(), survey.listed ? stdout : stderr);
        return survey.listed ? kExitOk : kExitDeviceError;
    }
    if (!survey.listed) {
        std::fputs(ctl::format_interface_listing(survey).c_str(), stderr);
        return kExitDeviceError;
    }
    if (args->command == "detect") {
        for (int slot = 0; slot < device::kSlotCount; ++slot)
            if (slots.occupied(slot)) return kExitOk;
        return kExitDeviceError;
    }
    return run_info(*backend, slots, args->slot, trace);
}
