#pragma once
// A device controller that keeps its profile in memory itself: the page hands it the
// document of the profile in use and asks it to write that profile to the device.

#include <filesystem>

#include "device/CommandResult.h"
#include "profiles/CBasicProfiledata.h"

namespace ilmo::profiles {

struct ProfileLoad {
    bool saved = true;       // a document that needed its default section got it on disk
    bool set_aside = false;  // an unreadable document was kept aside and replaced
};

class ProfiledController {
public:
    virtual ~ProfiledController() = default;
    // Reads the document into memory (key records, options, lighting); the page shows it
    // afterwards. Quick: files only, no device.
    virtual ProfileLoad load_profile(const std::filesystem::path& document) = 0;
    // Writes the profile in memory to the device (settings record, tables, colours, macros).
    // Device work.
    virtual device::Result write_profile_to_device() = 0;
    // The profile in memory, to look at on the UI thread while no device work of the page
    // runs.
    virtual const CBasicProfiledata& profile_data() const = 0;
    // True once after the device said it changed its profile data itself: the page reloads
    // its profile list and the profile in use before the device is read again.
    virtual bool take_profile_reload_request() { return false; }
    // Shows the profile in memory on the page (captions, options, lights).
    virtual void redraw_page() = 0;
};

}  // namespace ilmo::profiles
