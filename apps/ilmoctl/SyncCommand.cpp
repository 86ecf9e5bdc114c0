#include "SyncCommand.h"

#include <array>

#include "keyboard/SyncMode.h"

namespace ilmo::ctl {

namespace {

using device::ControllerKind;

struct Product {
    ControllerKind kind;
    const char* name;
};

constexpr std::array<Product, 4> kProducts{{{ControllerKind::Keyboard, "keyboard"},
                                            {ControllerKind::Mouse, "mouse"},
                                            {ControllerKind::MousePad, "pad"},
                                            {ControllerKind::Headset, "headset"}}};

// The product's controller when it is connected; nullptr otherwise.
keyboard::LightingDevice* connected(DeviceSession& session, ControllerKind kind) {
    std::string ignored;
    const auto pick = [](auto* link) -> keyboard::LightingDevice* {
        return link != nullptr && link->connected() ? link->controller.get() : nullptr;
    };
    switch (kind) {
        case ControllerKind::Keyboard:
            return pick(session.keyboard(ignored));
        case ControllerKind::Mouse:
            return pick(session.mouse(ignored));
        case ControllerKind::MousePad:
            return pick(session.pad(ignored));
        case ControllerKind::Headset:
            return pick(session.headset(ignored));
        case ControllerKind::None:
            break;
    }
    return nullptr;
}

const char* name_of(ControllerKind kind) {
    for (const Product& p : kProducts)
        if (p.kind == kind) return p.name;
    return "";
}

}  // namespace

SyncRequestParse parse_sync_request(std::span<const std::string> words) {
    SyncRequestParse parse;
    if (words.empty()) return parse;
    if (words.size() == 2 && words[0] == "--device") {
        for (const Product& p : kProducts) {
            if (words[1] != p.name) continue;
            parse.request.source = p.kind;
            return parse;
        }
    }
    parse.error = "sync takes --device keyboard|mouse|pad|headset";
    return parse;
}

int run_sync_request(DeviceSession& session, const SyncRequest& request, const Output& output) {
    const std::string source_name = name_of(request.source);
    keyboard::LightingDevice* source = connected(session, request.source);
    if (source == nullptr)
        return output.fail(kExitDeviceError, "no " + source_name + " is connected");
    const int source_mode = source->lighting().mode;
    const std::optional<lighting::SyncType> type =
        lighting::sync_type_for_mode(request.source, source_mode);
    if (!type)
        return output.fail(kExitDeviceError, source_name + " mode " + std::to_string(source_mode) +
                                                 " has no synchronised effect; nothing changed");
    for (const Product& p : kProducts) {
        keyboard::LightingDevice* device = connected(session, p.kind);
        const std::optional<device::LightRecord> record =
            device != nullptr ? keyboard::sync_lighting_for(*device, *type) : std::nullopt;
        if (!record) continue;
        if (!device->change_lighting(*record))
            return output.not_saved(device->profile_data().document_path());
        const device::Result written = device->write_lighting_to_device();
        if (!device::succeeded(written))
            return output.device_failure(std::string("writing the lighting to the ") + p.name,
                                         written);
        output.note(std::string(p.name) + ": mode " + std::to_string(device->lighting().mode));
    }
    return kExitOk;
}

}  // namespace ilmo::ctl
