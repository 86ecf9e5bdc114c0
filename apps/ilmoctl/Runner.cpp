#include "Runner.h"

#include <variant>

#include "HeadsetCommands.h"
#include "KeyboardCommands.h"
#include "LinkCommands.h"
#include "MouseCommands.h"
#include "MusicCommands.h"
#include "PadCommands.h"
#include "SettingValues.h"
#include "SyncCommand.h"

namespace ilmo::ctl {

namespace {

struct ListCommand {};
struct InfoCommand {
    std::optional<int> slot;
};
struct DetectCommand {};

using Command = std::variant<ListCommand, InfoCommand, DetectCommand, KeyboardRequest, PadRequest,
                             MouseRequest, HeadsetRequest, MusicRequest, SyncRequest>;

struct CommandParse {
    Command command;
    std::string error;
};

CommandParse parse_command(const CommandWords& words) {
    const std::string& verb = words.front();
    const std::span<const std::string> rest(words.begin() + 1, words.end());
    if (verb == "keyboard") {
        KeyboardRequestParse parse = parse_keyboard_request(rest);
        return {std::move(parse.request), std::move(parse.error)};
    }
    if (verb == "pad") {
        PadRequestParse parse = parse_pad_request(rest);
        return {std::move(parse.request), std::move(parse.error)};
    }
    if (verb == "mouse") {
        MouseRequestParse parse = parse_mouse_request(rest);
        return {std::move(parse.request), std::move(parse.error)};
    }
    if (verb == "headset") {
        HeadsetRequestParse parse = parse_headset_request(rest);
        return {std::move(parse.request), std::move(parse.error)};
    }
    if (verb == "music") {
        MusicRequestParse parse = parse_music_request(rest);
        return {std::move(parse.request), std::move(parse.error)};
    }
    if (verb == "sync") {
        SyncRequestParse parse = parse_sync_request(rest);
        return {parse.request, std::move(parse.error)};
    }
    if (verb == "info" && rest.size() <= 1) {
        if (rest.empty()) return {InfoCommand{}, {}};
        const std::optional<int> slot = parse_number(rest[0], 0, device::kSlotCount - 1);
        if (!slot) return {InfoCommand{}, "info takes a slot 0-" + std::to_string(device::kSlotCount - 1)};
        return {InfoCommand{slot}, {}};
    }
    if (verb == "list" && rest.empty()) return {ListCommand{}, {}};
    if (verb == "detect" && rest.empty()) return {DetectCommand{}, {}};
    return {ListCommand{}, "unknown command: " + verb + (rest.empty() ? "" : " ...")};
}

struct Execute {
    DeviceSession& session;
    const Output& output;

    int operator()(const ListCommand&) const { return run_list(session, output); }
    int operator()(const InfoCommand& info) const { return run_info(session, info.slot, output); }
    int operator()(const DetectCommand&) const { return run_detect(session, output); }
    int operator()(const KeyboardRequest& request) const {
        if (!session.survey().listed) return run_list(session, output);
        return run_keyboard_request(session, request, output);
    }
    int operator()(const PadRequest& request) const {
        if (!session.survey().listed) return run_list(session, output);
        return run_pad_request(session, request, output);
    }
    int operator()(const MouseRequest& request) const {
        if (!session.survey().listed) return run_list(session, output);
        return run_mouse_request(session, request, output);
    }
    // The headset's sound side needs no HID interface.
    int operator()(const HeadsetRequest& request) const {
        return run_headset_request(session, request, output);
    }
    int operator()(const SyncRequest& request) const {
        if (!session.survey().listed) return run_list(session, output);
        return run_sync_request(session, request, output);
    }
    // Capture and the music styles need no device.
    int operator()(const MusicRequest& request) const {
        return run_music_request(session.folders(), request, output);
    }
};

}  // namespace

int run_commands(DeviceSession& session, const std::vector<CommandWords>& commands,
                 const Output& output) {
    std::vector<Command> parsed;
    for (const CommandWords& words : commands) {
        CommandParse parse = parse_command(words);
        if (!parse.error.empty())
            return output.fail(kExitUsage, parse.error + " (ilmoctl --help shows the commands)");
        parsed.push_back(std::move(parse.command));
    }
    for (const Command& command : parsed)
        if (const int exit_code = std::visit(Execute{session, output}, command); exit_code != kExitOk)
            return exit_code;
    return kExitOk;
}

}  // namespace ilmo::ctl
