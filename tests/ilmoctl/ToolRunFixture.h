#pragma once
// Runs the tool as main() does, against an emulated bus and a scratch data folder of its
// own per test: each run surveys the bus, loads the profile in use and attaches the device.
// What a run printed, what it left in the device's memory and in the profile on disk.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "DeviceSession.h"
#include "Invocation.h"
#include "Output.h"
#include "Runner.h"
#include "profiles/JsonFile.h"
#include "sim/SimBackend.h"
#include "sim/SimBus.h"

namespace ilmo::ctl {

struct RunOutcome {
    int exit_code = -1;
    std::string out;
    std::string err;
};

class ToolRunFixture : public ::testing::Test {
protected:
    ToolRunFixture() : bus(std::make_shared<sim::SimBus>()), backend(bus) {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        data = std::filesystem::temp_directory_path() /
               (std::string("ilmoctl-") + info->test_suite_name() + "-" + info->name());
        std::filesystem::remove_all(data);
        folders = {ILMO_SOURCE_DIR, data / "ILMO RQ07"};
    }
    ~ToolRunFixture() override { std::filesystem::remove_all(data); }

    // One run of the tool with these arguments (options and commands); --demo chooses the
    // emulated audio library, the bus stays the test's.
    RunOutcome run(std::vector<std::string> arguments) {
        const InvocationParse parse = parse_invocation(arguments);
        if (!parse.ok()) return {kExitUsage, "", parse.error};
        DeviceSession session(backend, folders, {}, {});
        session.use_emulated_audio(parse.invocation.demo);
        return run_in(session, parse.invocation);
    }
    RunOutcome run_in(DeviceSession& session, const Invocation& invocation) {
        std::ostringstream out, err;
        const Output output{out, err, invocation.json};
        const int exit_code = run_commands(session, invocation.commands, output);
        return {exit_code, out.str(), err.str()};
    }
    // The single JSON document a --json read printed.
    Json::Value json_of(const RunOutcome& outcome) {
        EXPECT_EQ(outcome.exit_code, kExitOk) << outcome.err;
        return profiles::parse_json(outcome.out);
    }

    std::vector<uint8_t> memory(sim::SimProduct product, sim::FirmwareMemory which, size_t offset,
                                size_t size) {
        return bus->with_firmware(product,
                                  [&](sim::Firmware& f) { return f.read(which, offset, size); });
    }
    // "Device"[0] of the profile in use, as on disk.
    Json::Value profile_section(std::string_view model) {
        const std::filesystem::path folder = folders.user_data_folder / std::string(model);
        const Json::Value index = profiles::read_json_file(folder / "ProfileList.ini");
        const int selected = index["profileselect"].asInt();
        const std::string id = index["profilelist"][selected]["profileUUID"].asString();
        return profiles::read_json_file(folder / (id + ".Json"))["Device"][0];
    }

    std::shared_ptr<sim::SimBus> bus;
    sim::SimBackend backend;
    std::filesystem::path data;
    device::DeviceFolders folders;
};

}  // namespace ilmo::ctl
