#pragma once
// Runs "sync [--device NAME]": the common effect of synchronised lighting, taken from the
// named device's current mode (the keyboard's unless named), is set on every connected
// device in its own kind's mode, stored in its profile and written to it. Only the running
// program steps the common colour; here each device runs the effect on its own.

#include <span>
#include <string>

#include "DeviceSession.h"
#include "Output.h"

namespace ilmo::ctl {

struct SyncRequest {
    device::ControllerKind source = device::ControllerKind::Keyboard;
};

struct SyncRequestParse {
    SyncRequest request;
    std::string error;
};

SyncRequestParse parse_sync_request(std::span<const std::string> words);

// The exit status: 0 done, 1 a device or profile failure, or a source mode with no common
// effect.
int run_sync_request(DeviceSession& session, const SyncRequest& request, const Output& output);

}  // namespace ilmo::ctl
