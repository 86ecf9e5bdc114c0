#pragma once
// Runs "headset ..." commands as the headset page does. A sound change goes through the
// audio configuration library (the real one, or the emulated one with --demo) and is stored in
// the profile in use only when the library took it; the library needs no HID interface, only
// the headset's sound card. A lighting change is stored in the profile and, when the headset's
// HID interface is connected, its lights show it: the tool sends them one frame, as the page's
// frame timer would (the headset keeps the frame it was last sent).

#include "DeviceSession.h"
#include "HeadsetRequest.h"
#include "Output.h"

namespace ilmo::ctl {

// The exit status: 0 done, 1 the library missing, without the headset or refusing a write
// (nothing stored then), or a device (or profile file) failure; 2 usage error or a change the
// page would refuse.
int run_headset_request(DeviceSession& session, const HeadsetRequest& request,
                        const Output& output);

}  // namespace ilmo::ctl
