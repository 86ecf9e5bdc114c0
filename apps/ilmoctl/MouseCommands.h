#pragma once
// Runs "mouse ..." commands, by cable or through the receiver, as the mouse page does: a
// change is stored in the profile in use, then the settings block (lighting, polling rate,
// DPI stages) or the button table goes to the mouse when it is connected. The pointer
// settings live in the profile only. A read shows what the mouse holds where it can be read
// back and the profile's values otherwise, and names which ("source").

#include "DeviceSession.h"
#include "MouseRequest.h"
#include "Output.h"

namespace ilmo::ctl {

// The exit status: 0 done, 1 device (or profile file) failure or a mouse out of its
// receiver's reach, 2 usage error.
int run_mouse_request(DeviceSession& session, const MouseRequest& request, const Output& output);

}  // namespace ilmo::ctl
