#pragma once
// Runs "keyboard ..." commands. A change is stored in the profile in use and, when the
// keyboard is connected, written to it as the keyboard page writes it; a read shows what
// the keyboard holds where it can be read back and the profile's value otherwise, and says
// which ("source").

#include "DeviceSession.h"
#include "KeyboardRequest.h"
#include "Output.h"

namespace ilmo::ctl {

// The exit status: 0 done, 1 device (or profile file) failure, 2 usage error.
int run_keyboard_request(DeviceSession& session, const KeyboardRequest& request,
                         const Output& output);

}  // namespace ilmo::ctl
