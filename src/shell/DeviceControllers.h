#pragma once
// The controller each kind of device page gets.

#include <memory>
#include <string>

#include "device/CTavrinUSBDevice.h"

namespace ilmo::shell {

// Each page gets its device kind's controller. `emulated_audio`: the headset loads the
// emulated audio configuration library (the demo) instead of the real one.
std::unique_ptr<device::CTavrinUSBDevice> make_controller(device::HidBackend& backend,
                                                          int option_row,
                                                          device::DeviceFolders folders,
                                                          std::string device_folder_name,
                                                          device::TraceSink trace,
                                                          bool emulated_audio);

}  // namespace ilmo::shell
