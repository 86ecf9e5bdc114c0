#pragma once
// The devices one run of the tool works with. The HID interfaces are surveyed once. A
// product's controller is made the first time a command asks for it: its profile in use is
// loaded from the model's profile list (which is made, with the default profile, when there
// is none, exactly as the page's profile panel makes it), and when the product is connected
// (by cable, else through its receiver) its command interface is opened and the device is
// read as on its arrival. A mouse whose receiver cannot reach it is kept all the same: its
// changes stay in the profile. The headset's sound side needs no HID interface: its audio
// library is started whether or not the headset's lights can be reached. Everything lasts for
// the one run.

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "PreviewTicks.h"
#include "device/DeviceFolders.h"
#include "device/InterfaceSurvey.h"
#include "device/Trace.h"
#include "headset/CTavrinHS6533Device.h"
#include "keyboard/CTavrinKeyboardDevice.h"
#include "keyboard/CTavrinMousePadDevice.h"
#include "mouse/CTavrinMouseDevice.h"
#include "profiles/ProfileList.h"
#include "profiles/TimestampId.h"

namespace ilmo::ctl {

enum class Link { None, Cable, Receiver };

template <class Controller>
struct ProductLink {
    std::unique_ptr<Controller> controller;
    std::unique_ptr<profiles::ProfileList> profiles;
    Link link = Link::None;

    bool connected() const { return link != Link::None; }
    std::string profile_name() const;
};

using KeyboardLink = ProductLink<keyboard::CTavrinKeyboardDevice>;
using PadLink = ProductLink<keyboard::CTavrinMousePadDevice>;
using MouseLink = ProductLink<mouse::CTavrinMouseDevice>;
using HeadsetLink = ProductLink<headset::CTavrinHS6533Device>;

class DeviceSession {
public:
    // Hears what went wrong without stopping the run (a profile that did not read and was
    // replaced by the defaults).
    using Notice = std::function<void(std::string_view)>;

    DeviceSession(device::HidBackend& backend, device::DeviceFolders folders,
                  device::TraceSink trace, Notice notice);
    ~DeviceSession();

    device::HidBackend& backend() { return backend_; }
    const device::DeviceFolders& folders() const { return folders_; }
    const device::Survey& survey() const { return survey_; }
    const device::SlotTable& slots() const { return slots_; }
    const device::TraceSink& trace() const { return trace_; }
    // Asked for the primary screen's size, which the mouse's settings block carries, when the
    // mouse is first used; before the first command. None: the block carries 0 by 0.
    using ScreenSizeSource = std::function<mouse::ScreenSize()>;
    void set_screen_size_source(ScreenSizeSource source) { screen_size_ = std::move(source); }
    // The headset's audio library: the emulated one (the demo) or the real one, from the
    // program folder's SDK/; before the first command.
    void use_emulated_audio(bool emulated) { emulated_audio_ = emulated; }
    // The audio library file the headset loads.
    std::filesystem::path audio_library() const;

    // The product, set up on first use; nullptr when it could not be, with `error` saying
    // why (every such failure is the device side's: exit status 1).
    KeyboardLink* keyboard(std::string& error);
    PadLink* pad(std::string& error);
    MouseLink* mouse(std::string& error);
    HeadsetLink* headset(std::string& error);
    // Every tick of the headset's light preview.
    const PreviewTicks& headset_ticks() const { return headset_ticks_; }

private:
    template <class Controller>
    bool set_up(ProductLink<Controller>& link, device::DeviceKind kind, std::string& error);
    template <class Controller>
    bool connect(ProductLink<Controller>& link, std::string& error);

    device::HidBackend& backend_;
    device::DeviceFolders folders_;
    device::TraceSink trace_;
    Notice notice_;
    ScreenSizeSource screen_size_;
    bool emulated_audio_ = false;
    device::SlotTable slots_;
    device::Survey survey_;
    profiles::TimestampIdSource identifiers_;
    KeyboardLink keyboard_;
    PadLink pad_;
    MouseLink mouse_;
    PreviewTicks headset_ticks_;  // the headset's view: it outlives the headset
    HeadsetLink headset_;
    std::string keyboard_error_;
    std::string pad_error_;
    std::string mouse_error_;
    std::string headset_error_;
};

std::string_view link_name(Link link);

}  // namespace ilmo::ctl
