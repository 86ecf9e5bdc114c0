#pragma once
// The command line's demo runs on the shared emulator rig.

#include "sim/DemoRig.h"

namespace ilmo::ctl {

using DemoBackend = sim::DemoRig;

}  // namespace ilmo::ctl
