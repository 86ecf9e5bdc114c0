#pragma once
// Runs "pad ..." commands: a lighting change is stored in the profile in use and written to
// the mouse-pad when it is connected; a read shows the pad's lighting when it is connected
// and the profile's otherwise, and says which ("source").

#include "DeviceSession.h"
#include "Output.h"
#include "PadRequest.h"

namespace ilmo::ctl {

// The exit status: 0 done, 1 device (or profile file) failure, 2 usage error.
int run_pad_request(DeviceSession& session, const PadRequest& request, const Output& output);

}  // namespace ilmo::ctl
