#pragma once
// The lighting mouse-pad's controller: its 21-byte lighting record, the mode list its page
// chooses from, its refresh when it asks for one, and its power state with the phone it
// charges. The pad runs its effects itself and takes no host frames; the page's 15 lights
// preview them.

#include "device/EventReader.h"
#include "keyboard/LightingDevice.h"
#include "keyboard/PadRecord.h"

namespace ilmo::keyboard {

class CTavrinMousePadDevice : public LightingDevice {
public:
    // The pause between the pad asking to be read again and the read.
    static constexpr int kRefreshDelayMs = 500;
    // The only on-board profile the pad's read and write addresses agree on.
    static constexpr int kProfile = 0;

    CTavrinMousePadDevice(device::HidBackend& backend, int page_row,
                          device::DeviceFolders folders, std::string device_folder_name,
                          device::TraceSink trace, device::SleepFn sleep = {});
    ~CTavrinMousePadDevice() override;

    // Both read the pad's power too: nothing else does.
    // The lighting sections, and the user's effect when the mode is past the built-in ones.
    profiles::ProfileLoad load_profile(const std::filesystem::path& document) override;
    device::Result load_after_attach() override;
    device::Result refresh_on_request() override;
    device::Result write_profile_to_device() override { return write_lighting_settings(); }
    // The pad's record of profile 0 from the profile's lighting; the record is read again
    // inside the transfer and only what the host owns is changed.
    device::Result write_lighting_settings();
    device::Result write_lighting_to_device() override { return write_lighting_settings(); }
    // The lighting the pad runs, read afresh as a refresh reads it; nothing is stored.
    device::Result read_device_lighting(device::LightRecord& light);
    // No pause while the window is hidden and no link query: the pad is always linked.
    device::Result power_refresh() override;
    bool link_check() override { return true; }

    void handle_event(uint16_t code);

protected:
    void event_interface_opened(bool receiver) override;
    void stopping_threads() override;
    void stopping_event_readers() override;

private:
    PadModeList mode_list() const { return {modes()}; }
    device::Result read_record(PadRecord& record);

    device::EventReader events_;
};

}  // namespace ilmo::keyboard
