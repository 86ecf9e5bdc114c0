#pragma once
// One run of the tool: every command is checked before any runs, then they run in order
// against one session, so a change and its read-back can share one emulator. The first
// command that fails ends the run.

#include <vector>

#include "DeviceSession.h"
#include "Invocation.h"
#include "Output.h"

namespace ilmo::ctl {

// The exit status: 0 done, 1 device error, 2 usage error.
int run_commands(DeviceSession& session, const std::vector<CommandWords>& commands,
                 const Output& output);

}  // namespace ilmo::ctl
