#include "shell/DeviceControllers.h"

#include <QGuiApplication>
#include <QScreen>

#include "audio/ConfLib.h"
#include "headset/CTavrinHS6533Device.h"
#include "keyboard/CTavrinKeyboardDevice.h"
#include "keyboard/CTavrinMousePadDevice.h"
#include "mouse/CTavrinMouseDevice.h"

namespace ilmo::shell {

namespace {

// The primary screen in device pixels, taken once: the mouse keeps it in its settings block.
mouse::ScreenSize primary_screen_size() {
    static const mouse::ScreenSize size = [] {
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (screen == nullptr) return mouse::ScreenSize{};
        const QSize pixels = screen->size() * screen->devicePixelRatio();
        return mouse::ScreenSize{pixels.width(), pixels.height()};
    }();
    return size;
}

}  // namespace

std::unique_ptr<device::CTavrinUSBDevice> make_controller(device::HidBackend& backend,
                                                          int option_row,
                                                          device::DeviceFolders folders,
                                                          std::string device_folder_name,
                                                          device::TraceSink trace,
                                                          bool emulated_audio) {
    const auto& option = device::kDeviceOptions[static_cast<size_t>(option_row)];
    switch (device::controller_for(option.kind)) {
        case device::ControllerKind::Keyboard:
            return std::make_unique<keyboard::CTavrinKeyboardDevice>(
                backend, option_row, std::move(folders), std::move(device_folder_name),
                std::move(trace));
        case device::ControllerKind::Mouse: {
            auto mouse = std::make_unique<mouse::CTavrinMouseDevice>(
                backend, option_row, std::move(folders), std::move(device_folder_name),
                std::move(trace));
            mouse->set_screen_size(primary_screen_size());
            return mouse;
        }
        case device::ControllerKind::MousePad:
            return std::make_unique<keyboard::CTavrinMousePadDevice>(
                backend, option_row, std::move(folders), std::move(device_folder_name),
                std::move(trace));
        case device::ControllerKind::Headset: {
            std::filesystem::path library =
                audio::conf_lib_file(folders.program_folder, emulated_audio);
            return std::make_unique<headset::CTavrinHS6533Device>(
                backend, option_row, std::move(folders), std::move(device_folder_name),
                std::move(trace), std::move(library));
        }
        default:
            return std::make_unique<device::CTavrinUSBDevice>(
                backend, option_row, std::move(folders), std::move(device_folder_name),
                std::move(trace));
    }
}

}  // namespace ilmo::shell
