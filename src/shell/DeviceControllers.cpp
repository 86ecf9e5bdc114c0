#include "shell/DeviceControllers.h"

#include "keyboard/CTavrinKeyboardDevice.h"
#include "keyboard/CTavrinMousePadDevice.h"

namespace ilmo::shell {

std::unique_ptr<device::CTavrinUSBDevice> make_controller(device::HidBackend& backend,
                                                          int option_row,
                                                          device::DeviceFolders folders,
                                                          std::string device_folder_name,
                                                          device::TraceSink trace) {
    const auto& option = device::kDeviceOptions[static_cast<size_t>(option_row)];
    switch (device::controller_for(option.kind)) {
        case device::ControllerKind::Keyboard:
            return std::make_unique<keyboard::CTavrinKeyboardDevice>(
                backend, option_row, std::move(folders), std::move(device_folder_name),
                std::move(trace));
        case device::ControllerKind::MousePad:
            return std::make_unique<keyboard::CTavrinMousePadDevice>(
                backend, option_row, std::move(folders), std::move(device_folder_name),
                std::move(trace));
        default:
            return std::make_unique<device::CTavrinUSBDevice>(
                backend, option_row, std::move(folders), std::move(device_folder_name),
                std::move(trace));
    }
}

}  // namespace ilmo::shell
